#pragma once

#include "scene/room_shell.h"

#include <GL/gl.h>

// The ring of both decors: a textured mat on a white platform, red corner posts with caps
// and four ropes on each side. The hall floor is y = 0 and the ring is centred on the origin.

enum class RopeColours {
    allBlue,    // the club's ring
    blueAndRed, // the cup's ring: blue, red, blue, red from the bottom on every side
};

// The mat covers the platform's top: x and z from -ringHalfSide to ringHalfSide.
inline constexpr float ringHalfSide = 4.0f;
inline constexpr float ringMatHeight = 1.002f; // just above the platform, never fighting it

// The floor under the platform, which an eye over the mat never sees.
inline constexpr HiddenBox floorUnderRing{{-ringHalfSide, 0, -ringHalfSide},
                                          {ringHalfSide, 0, ringHalfSide}};

// Seen from over the mat, the platform's top is hidden everywhere under it and is left out.
enum class RingSight { fromAnywhere, fromOverTheMat };

// Leaves the material of the last rope current (blue, or red for the cup's ring).
void drawRing(GLuint matTexture, RopeColours ropes, RingSight sight = RingSight::fromAnywhere);
