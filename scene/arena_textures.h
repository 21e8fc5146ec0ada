#pragma once

#include <GL/gl.h>

// The six textures of the arenas, loaded once at start-up before the display lists.

enum ArenaTexture : int {
    friendlyRingTexture = 0, // Data/ring1.bmp, the "Amical" ring mat
    firstPosterTexture = 1,  // Data/affiche.bmp
    secondPosterTexture = 2, // Data/affiche2.bmp
    clubSignTexture = 3,     // Data/club.bmp
    cupRingTexture = 4,      // Data/ring2.bmp, the "Coupe Tavelin" ring mat
    crowdTexture = 5,        // Data/public2.bmp, the grandstands
    arenaTextureCount = 6,
};

extern GLuint arenaTextures[arenaTextureCount];

// Reads all six files, those of the text's language (Data/en/ for English), then creates and fills
// the textures; ends the process with status 1 (after the loader's message) when one cannot be
// read.
void loadArenaTextures();
