// A broken property stops the fuzzer the way a sanitizer finding does, with
// the property and the place printed, so the input it leaves behind shows
// what went wrong.
#pragma once
#include <cstdio>

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            __builtin_trap();                                                                     \
        }                                                                                         \
    } while (0)
