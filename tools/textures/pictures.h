#pragma once

#include "tools/art/canvas.h"

#include <cstdint>
#include <vector>

// The six pictures of the arenas, each drawn by code from nothing but shapes and lettering.

struct Picture {
    int width;
    int height;
    std::vector<std::uint8_t> rgb; // top row first
};

Picture drawFriendlyRingMat(); // Data/ring1.bmp: the club's cream canvas, seen whole on 8 x 8
Picture drawCupRingMat();      // Data/ring2.bmp: the cup's blue canvas
Picture drawFightPoster();     // Data/affiche.bmp
Picture drawCupPoster();       // Data/affiche2.bmp
Picture drawClubSign();        // Data/club.bmp: twice as wide as high
Picture drawCrowd();           // Data/public2.bmp: a grandstand 30 wide, about 14 deep

// Shared pieces of the pictures.
// A light falling from the upper left on a rounded surface of `base` colour.
Shader roundLight(Rgb base, float cx, float cy, float radius);
// A boxing glove seen from the side, fist to the right (or left when `mirrored`), `size`
// pixels long.
void drawGlove(Canvas& canvas, float cx, float cy, float size, Rgb leather, bool mirrored);
// Woven canvas: fine threads and soft stains over `base`.
Shader wovenCanvas(Rgb base, float threadPitch, int seed);
// A five-pointed star, point up.
std::vector<float> starPoints(float cx, float cy, float outer, float inner);
