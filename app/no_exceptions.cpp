// The program has no use for C++ exceptions: it is built without them, and the few places where
// the standard library would throw end the process instead. A failed allocation of a few bytes
// leaves nothing sensible to do, and no text of this program comes near the largest size a string
// can have. Replacing these hooks keeps the exception runtime (about 150 KB with its unwinder,
// thread support and name demangler) out of the executable.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr) {
        std::abort();
    }
    return block;
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

// The library's own throwing hooks, reached only from the impossible cases above.
namespace std {
[[noreturn]] void __throw_length_error(const char*) {
    std::abort();
}
[[noreturn]] void __throw_logic_error(const char*) {
    std::abort();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
[[noreturn]] void __throw_bad_alloc() {
    std::abort();
}
[[noreturn]] void __throw_bad_array_new_length() {
    std::abort();
}
} // namespace std
