#include "app/startup.h"

#include "app/window.h"
#include "models/palette.h"
#include "scene/arena_textures.h"
#include "scene/scene_lists.h"
#include "text/bitmap_font.h"

#include <GL/gl.h>

void initResources() {
    piConstant = 3.14159274f;
    // A missing font only leaves the text invisible; a missing texture ends the program.
    loadFont("Data/fontGray.tga");
    loadArenaTextures();
    fillMaterialPalette();
    glPushMatrix();
    compileSceneLists();
    glPopMatrix();
}
