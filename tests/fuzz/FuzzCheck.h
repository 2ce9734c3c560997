// A broken property stops the fuzzer the way a sanitizer finding does, with
// the property and the place printed, so the input it leaves behind shows
// what went wrong.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            __builtin_trap();                                                                     \
        }                                                                                         \
    } while (0)

// The next value of a fuzzer's input, taken bytewise; zeros where the input
// has run out, so every input is a whole case.
template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    const std::size_t n = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}
