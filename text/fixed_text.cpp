#include "text/fixed_text.h"

#include <algorithm>
#include <cstring>

FixedText::operator std::string_view() const noexcept {
    return {bytes, ::strnlen(bytes, FIXED_TEXT_CAPACITY)};
}

namespace {

// Writes src, up to a zero byte within it, at position start of dst and zeros every byte behind.
void WriteFixed(FixedText& dst, std::size_t start, std::string_view src) {
    const std::size_t room = std::min<std::size_t>(src.size(), FIXED_TEXT_CAPACITY - start);
    std::size_t count = 0;
    for (; count < room && src[count] != '\0'; ++count) {
        dst.bytes[start + count] = src[count];
    }
    std::memset(dst.bytes + start + count, 0, FIXED_TEXT_SIZE - start - count);
}

} // namespace

void AssignFixed(FixedText& dst, std::string_view src) {
    WriteFixed(dst, 0, src);
}

void AppendFixed(FixedText& dst, std::string_view src) {
    if (src.empty()) {
        return;
    }
    WriteFixed(dst, std::string_view(dst).size(), src);
}

void WipeFixed(FixedText& buffer) {
    volatile char* bytes = buffer.bytes;
    for (int i = 0; i < FIXED_TEXT_SIZE; ++i) {
        bytes[i] = 0;
    }
}

Text ConcatText(std::string_view a, std::string_view b) {
    Text result(a);
    result += b;
    return result;
}

Text MidText(std::string_view s, int32_t start, int32_t count) {
    const int64_t length = static_cast<int64_t>(s.size());
    if (start < 1 || start > length || count == 0) {
        return Text();
    }
    const std::size_t first = static_cast<std::size_t>(start - 1);
    const std::size_t available = s.size() - first;
    const std::size_t taken =
        count < 0 ? available : std::min<std::size_t>(available, static_cast<std::size_t>(count));
    return Text(std::string_view(s.data() + first, taken)); // substr could throw
}

Text CommandLineText(int argumentCount, const char* const* arguments) {
    Text line;
    for (int i = 1; i < argumentCount; ++i) {
        if (i > 1) {
            line += ' ';
        }
        line += arguments[i];
    }
    return line;
}
