// The number readers against independent references: glibc's strtoul and strtod where the
// grammar is theirs, exact integer arithmetic for the ampersand forms, and the hardware's own
// conversions.
#include "number_reference.h"
#include "text/number_text.h"

#include <bit>
#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

[[noreturn]] void Mismatch(const char* what, const std::string& text, double ours, double theirs) {
    std::fprintf(stderr, "%s differs for \"%s\": %.17g, reference %.17g\n", what, text.c_str(),
                 ours, theirs);
    std::abort();
}

double ReferenceReal(const std::string& text) {
    const std::string rest = SkipSpaces(text);
    if (rest.size() > 1 && rest[0] == '&') {
        return static_cast<double>(static_cast<int64_t>(AmpersandValue(rest)));
    }
    return std::strtod(AsStrtodText(rest).c_str(), nullptr);
}

int32_t ReferenceRound(double x) {
    const double rounded = std::nearbyint(x); // the mode is round-to-nearest, ties to even
    return rounded >= -2147483648.0 && rounded <= 2147483647.0 ? static_cast<int32_t>(rounded)
                                                               : INT32_MIN;
}

bool SameReal(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    }
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The C functions see the text up to its first zero byte, as a buffer holds it.
    const std::string text = input.substr(0, input.find('\0'));

    if (ParseInteger(input) != ReferenceInteger(text)) {
        Mismatch("ParseInteger", text, ParseInteger(input), ReferenceInteger(text));
    }
    const double real = ParseReal(input);
    if (!SameReal(real, ReferenceReal(text))) {
        Mismatch("ParseReal", text, real, ReferenceReal(text));
    }
    if (RoundToInteger(real) != ReferenceRound(real)) {
        Mismatch("RoundToInteger", text, RoundToInteger(real), ReferenceRound(real));
    }
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (RoundToInteger(raw) != ReferenceRound(raw)) {
            Mismatch("RoundToInteger of raw bits", text, RoundToInteger(raw), ReferenceRound(raw));
        }
    }
    return 0;
}
