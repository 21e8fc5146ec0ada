#pragma once

// The GL context of the targets that draw or upload: one hidden-size GLUT window at the
// game's 640 by 480, opened once per fuzzing process, with the game's font loaded.

inline constexpr int fuzzWindowWidth = 640;
inline constexpr int fuzzWindowHeight = 480;

void openFuzzWindow();

// Aborts with `what` when GL reports an error: libFuzzer then keeps the input as a crash.
void abortOnGlError(const char* what);
