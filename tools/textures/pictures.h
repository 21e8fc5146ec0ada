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

// Every word lettered on them, in one language (ISO 8859-1).
struct PictureWords {
    const char* boxingClub; // on the club's sign and its ring mat
    const char* founded;    // under the sign's name
    const char* friendly;   // on the club's ring mat
    const char* clubMotto;  // round its edge
    const char* cupName[2]; // in two lines in the middle of the cup's ring mat
    const char* cupMotto;   // round its edge
    const char* bigFight;   // the fight poster's title
    const char* fightWhen;  // its two lines at the bottom
    const char* fightTerms;
    const char* cup;   // the cup poster's title
    const char* final; // its heading, then who meets and when
    const char* finalists;
    const char* cupWhen;
    const char* supporters; // the banner in the stand
};
extern const PictureWords frenchWords;  // the game's pictures as they have always been
extern const PictureWords englishWords; // those of Data/en/

Picture drawFriendlyRingMat(const PictureWords& words); // ring1.bmp: the club's cream canvas,
                                                        // seen whole on 8 x 8
Picture drawCupRingMat(const PictureWords& words);      // ring2.bmp: the cup's blue canvas
Picture drawFightPoster(const PictureWords& words);     // affiche.bmp
Picture drawCupPoster(const PictureWords& words);       // affiche2.bmp
Picture drawClubSign(const PictureWords& words);        // club.bmp: twice as wide as high
Picture drawCrowd(const PictureWords& words); // public2.bmp: a grandstand 30 wide, 14 deep

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
