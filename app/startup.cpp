#include "app/startup.h"

#include "app/game_inputs.h"
#include "app/window.h"
#include "input/inputs.h"
#include "input/settings.h"
#include "menus/view_menu.h"
#include "models/palette.h"
#include "platform/platform.h"
#include "scene/arena_textures.h"
#include "scene/scene_lists.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/tga_loader.h"

#include <GL/glut.h>

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

void startGame(int* argc, char** argv) {
    loadSettings(settingsFilePath());
    openGameWindow(argc, argv);
    startGameInWindow();
}

void startGameInWindow() {
    textScaleChoice = settingsInEffect.textScale;
    if (settingsInEffect.fullScreen)
        glutFullScreen();
    createViewMenu();
    glutMouseFunc(mouseInput);
    initResources();
    setInputHandler(carryOutOnScreen);
}
