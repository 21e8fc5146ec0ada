#include "app/startup.h"

#include "app/window.h"
#include "models/palette.h"
#include "platform/platform.h"
#include "scene/arena_textures.h"
#include "scene/scene_lists.h"
#include "text/bitmap_font.h"
#include "text/tga_loader.h"

#include <GL/gl.h>

#include <cstdio>

void initResources() {
    piConstant = 3.14159274f;
    reportMissingDataFolder();
    // A missing font only leaves the text invisible, said in one line; a missing texture ends
    // the program.
    constexpr char fontPath[] = "Data/fontGray.tga";
    const int font = loadFont(fontPath);
    if (font == tgaCannotOpen)
        std::printf("File Not Found : %s\n", fontPath);
    else if (font != tgaLoaded)
        std::printf("Error reading %s: the texts stay blank\n", fontPath);
    loadArenaTextures();
    fillMaterialPalette();
    glPushMatrix();
    compileSceneLists();
    glPopMatrix();
}
