#pragma once

#include <GL/gl.h>

// The ring of both decors: a textured mat on a white platform, red corner posts with caps
// and four ropes on each side. The hall floor is y = 0 and the ring is centred on the origin.

enum class RopeColours {
    allBlue,    // the club's ring
    blueAndRed, // the cup's ring: blue, red, blue, red from the bottom on every side
};

// Leaves the material of the last rope current (blue, or red for the cup's ring).
void drawRing(GLuint matTexture, RopeColours ropes);
