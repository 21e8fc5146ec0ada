#pragma once

// The full-screen size the bench measures at, whatever the screen it runs on: a window of
// exactly 1920x1080 at 0,0 (the screen must be at least that large).

inline constexpr int fullScreenWidth = 1920;
inline constexpr int fullScreenHeight = 1080;
inline constexpr char fullScreenGeometry[] = "1920x1080+0+0"; // the game's -geometry

// The game's window opened at that size, as -geometry would, and its resources loaded.
void openFullScreenWindow(int* argc, char** argv);
