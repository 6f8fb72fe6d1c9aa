#pragma once

#include <cstdio>
#include <cstdlib>

// A property of the code under fuzzing that does not hold: say which one and
// abort, so that libFuzzer keeps the input as a crash (and the corpus replay
// test fails).
#define FUZZ_CHECK(condition, what)                                                       \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "FUZZ_CHECK failed at %s:%d: %s\n  (%s)\n", __FILE__,    \
                         __LINE__, what, #condition);                                     \
            std::abort();                                                                 \
        }                                                                                 \
    } while (false)
