#include "app/startup.h"

#include "app/game_inputs.h"
#include "app/screen.h"
#include "app/window.h"
#include "challenge/challenge_state.h"
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
#include <cstring>

namespace {

// With the challenge on, a held key is one punch, one guard or one step in the fight, at any
// frame rate, as the recording then holds it; the menus, the training and a fight without it
// keep their held keys repeating (an arrow held still scrolls or circles on).
bool challengeFightShown() {
    return challengeOn && std::strcmp(screenName(), "fight") == 0;
}

} // namespace

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
    measureScenePieces();
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
    glutKeyboardUpFunc(keyboardUp);
    glutSpecialUpFunc(specialUp);
    detectKeyRepeats();
    setKeyRepeatIgnored(challengeFightShown);
    initResources();
    setInputHandler(carryOutOnScreen);
}
