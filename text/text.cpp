#include "text/text.h"

#include <algorithm>

Text& Text::operator=(const Text& other) {
    if (this != &other) {
        Text copy(other);
        *this = static_cast<Text&&>(copy);
    }
    return *this;
}

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        Release();
        TakeFrom(other);
    }
    return *this;
}

void Text::Release() noexcept {
    if (bytes_ != small_) {
        std::free(bytes_);
    }
    bytes_ = small_;
    size_ = 0;
    capacity_ = SMALL;
    small_[0] = '\0';
}

void Text::TakeFrom(Text& other) noexcept {
    if (other.bytes_ == other.small_) {
        std::memcpy(small_, other.small_, sizeof small_);
        bytes_ = small_;
    } else {
        bytes_ = other.bytes_;
        other.bytes_ = other.small_;
    }
    size_ = other.size_;
    capacity_ = other.capacity_;
    other.Release();
}

Text& Text::Grow(std::string_view s) {
    // Doubling keeps a run of single-character appends linear. The old bytes are freed only after
    // the copy, since s may lie within them.
    const std::size_t capacity = std::max(size_ + s.size(), 2 * capacity_);
    char* bytes = static_cast<char*>(std::malloc(capacity + 1));
    if (bytes == nullptr) {
        std::abort();
    }
    std::memcpy(bytes, bytes_, size_);
    std::memcpy(bytes + size_, s.data(), s.size());
    if (bytes_ != small_) {
        std::free(bytes_);
    }
    bytes_ = bytes;
    capacity_ = capacity;
    size_ += s.size();
    bytes_[size_] = '\0';
    return *this;
}
