#ifndef TESSORIN_TEXT_TEXT_H
#define TESSORIN_TEXT_TEXT_H

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>

// An owned, length-counted single-byte (Windows-1252) text, always followed by a zero byte.
//
// Not std::string, on purpose: the program is built without exceptions, and every std::string
// reaches libstdc++'s throwing hooks, which bring the whole exception runtime into the executable.
// A Text never throws; when no memory can be had for it, the process ends. Texts of up to 15
// characters, which are nearly all of the program's, live inside the object.
class Text {
  public:
    Text() noexcept { small_[0] = '\0'; }
    Text(std::string_view s) {
        if (s.size() > SMALL) {
            small_[0] = '\0';
            Grow(s);
            return;
        }
        // Most of these texts are one character long, too short for a call: it is copied on its
        // own, since the compiler turns the loop into a call to memcpy.
        if (s.size() == 1) {
            small_[0] = s[0];
            size_ = 1;
        }
        for (; size_ < s.size(); ++size_) {
            small_[size_] = s[size_];
        }
        small_[size_] = '\0';
    }
    Text(const Text& other) : Text(std::string_view(other)) {}
    Text(Text&& other) noexcept { TakeFrom(other); }
    Text& operator=(const Text& other);
    Text& operator=(Text&& other) noexcept;
    ~Text() {
        if (bytes_ != small_) {
            std::free(bytes_);
        }
    }

    const char* data() const noexcept { return bytes_; }
    const char* c_str() const noexcept { return bytes_; }
    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    operator std::string_view() const noexcept { return {bytes_, size_}; }

    Text& operator+=(std::string_view s) {
        if (s.size() > capacity_ - size_) {
            return Grow(s);
        }
        std::memmove(bytes_ + size_, s.data(), s.size()); // s may lie within this text
        size_ += s.size();
        bytes_[size_] = '\0';
        return *this;
    }
    Text& operator+=(char c) { return *this += std::string_view(&c, 1); }

    friend bool operator==(const Text& a, std::string_view b) noexcept {
        return std::string_view(a) == b;
    }
    // Text against Text, which the form above and its reversal would both take otherwise.
    friend bool operator==(const Text& a, const Text& b) noexcept {
        return std::string_view(a) == std::string_view(b);
    }

  private:
    static constexpr std::size_t SMALL = 15;

    Text& Grow(std::string_view s); // appends s where it does not fit
    void Release() noexcept;
    void TakeFrom(Text& other) noexcept; // leaves other empty

    char* bytes_ = small_; // small_ or a block of the heap
    std::size_t size_ = 0;
    std::size_t capacity_ = SMALL; // characters that fit, not counting the zero byte
    char small_[SMALL + 1];        // zero-terminated from the first character on
};

#endif
