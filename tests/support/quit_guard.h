#pragma once

#include <cstdio>
#include <cstdlib>

// The title's Escape ends the process with status 0: a test program cut short so must not pass.
// Armed once when the suite sets up; disarmed when it is done.
inline bool& suiteDone() {
    static bool done = false;
    return done;
}

inline void failIfQuitMidTest() {
    std::atexit([] {
        if (suiteDone())
            return;
        std::fprintf(stderr, "the game quit in the middle of a test\n");
        std::_Exit(1);
    });
}
