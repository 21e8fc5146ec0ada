#pragma once

// How many fragments each pixel of a frame gets, counted in the stencil buffer. The bench
// program that links depth_complexity.cpp has its own glutInitDisplayMode, which asks GLUT for a
// stencil buffer beside what the game asks for, and its own glutSwapBuffers, which reads the
// count just before the frame is swapped.

enum class Fragments {
    drawn,   // every fragment that reaches the depth test
    passing, // those that pass it and are written
};

struct PixelCounts {
    double mean = 0.0; // over every pixel of the window
    int max = 0;       // 255 at most: the count stops there
};

// Whether the window got a stencil buffer of at least 8 bits.
bool hasStencil();

// Counts `which` fragments from now on, from zero.
void startFragmentCount(Fragments which);
// The count at the last swap since startFragmentCount; counts no more.
PixelCounts stopFragmentCount();
