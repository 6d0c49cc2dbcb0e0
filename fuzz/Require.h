#pragma once

#include <cstdio>
#include <cstdlib>

// A fuzz target's check: a broken promise stops the run with the condition, so that libFuzzer
// keeps the input that broke it.
#define REQUIRE(condition)                                                                         \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "broken: %s\n", #condition);                                      \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
