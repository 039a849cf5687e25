#include "generator/password_generator.h"

#include "generator/random_source.h"
#include "text/number_text.h"

#include <cmath>

int32_t CharsetSelector(int32_t lower, int32_t upper, int32_t digits) {
    const Text joined =
        ConcatText(ConcatText(FormatInteger(lower), FormatInteger(upper)), FormatInteger(digits));
    return RoundToInteger(ParseReal(joined));
}

Text CharacterPool(int32_t selector) {
    switch (selector) {
    case 100: return Text(LOWER_SET);
    case 101: return ConcatText(LOWER_SET, DIGIT_SET);
    case 110: return ConcatText(LOWER_SET, UPPER_SET);
    case 111: return ConcatText(ConcatText(LOWER_SET, UPPER_SET), DIGIT_SET);
    case 11: return ConcatText(UPPER_SET, DIGIT_SET);
    case 10: return Text(UPPER_SET);
    case 1: return Text(DIGIT_SET);
    default: return Text();
    }
}

Text GeneratePassword(int32_t length, int32_t lower, int32_t upper, int32_t digits) {
    const Text pool = CharacterPool(CharsetSelector(lower, upper, digits));
    FixedText result;
    if (pool.empty()) {
        AssignFixed(result, "");
        return Text(result);
    }
    const int32_t n = TextLength(pool);
    // The result's length so far. Each character goes where the last one ended, as AppendFixed
    // would put it, without searching for the end and zeroing the tail, which is zero already.
    int32_t written = 0;
    for (int32_t i = 0; i < length; ++i) { // counted from 0, so that INT32_MAX cannot overflow
        const double r = NextUniform();
        // Exact in double: r is a 32-bit integer times 2^-32 and n is at most 62.
        const auto index = static_cast<int32_t>(std::floor(n * r + 1.0));
        if (written < FIXED_TEXT_CAPACITY) {
            result.bytes[written++] = pool.data()[index - 1];
        }
    }
    Text password(result);
    WipeFixed(result);
    return password;
}
