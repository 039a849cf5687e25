// Sequences of text operations against a model of plain strings: a FixedText always holds at most
// 99 characters with zeros behind them, and every result matches the model.
#include "text/fixed_text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// What a text argument counts as when it lands in a buffer: its bytes up to a zero byte.
std::string UpToZero(const std::string& s) {
    return s.substr(0, s.find('\0'));
}

std::string ModelMid(const std::string& s, int start, int count) {
    if (s.empty() || start < 1 || start > int(s.size()) || count == 0) {
        return "";
    }
    const std::size_t available = s.size() - std::size_t(start - 1);
    return s.substr(std::size_t(start - 1), count < 0 ? available : std::size_t(count));
}

void CheckBuffer(const FixedText& buffer, const std::string& model) {
    const std::size_t length = strnlen(buffer.bytes, FIXED_TEXT_SIZE);
    if (length > 99) {
        Fail("a FixedText holds more than 99 characters");
    }
    for (std::size_t i = length; i < FIXED_TEXT_SIZE; ++i) {
        if (buffer.bytes[i] != '\0') {
            Fail("a byte behind the text is not zero");
        }
    }
    if (std::string(buffer.bytes, length) != model || TextLength(buffer) != int(length)) {
        Fail("the buffer differs from the model");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FixedText buffer;
    std::string model;
    std::size_t at = 0;
    auto next = [&]() -> uint8_t { return at < size ? data[at++] : 0; };
    while (at < size) {
        const int operation = next() % 5;
        const std::size_t length = std::min<std::size_t>(next(), size - at);
        const std::string source(reinterpret_cast<const char*>(data + at), length);
        at += length;
        switch (operation) {
        case 0:
            AssignFixed(buffer, source);
            model = UpToZero(source).substr(0, 99);
            break;
        case 1:
            AppendFixed(buffer, source);
            model = (model + UpToZero(source)).substr(0, 99);
            break;
        case 2: {
            const int start = static_cast<int8_t>(next());
            const int count = static_cast<int8_t>(next());
            if (MidText(source, start, count) != ModelMid(source, start, count)) {
                Fail("MidText differs from the model");
            }
            break;
        }
        case 3:
            if (ConcatText(source, buffer) != source + model) {
                Fail("ConcatText differs from the model");
            }
            break;
        default:
            WipeFixed(buffer);
            model.clear();
            break;
        }
        CheckBuffer(buffer, model);
    }
    return 0;
}
