#include "app/command_line.h"
#include "app/startup.h"
#include "app/window.h"
#include "input/pads.h"
#include "input/settings.h"
#include "menus/menus.h"
#include "menus/view_menu.h"
#include "platform/platform.h"
#include "sound/sound.h"

#include <GL/glut.h>

int main(int argc, char** argv) {
    adoptLaunchConventions();
    int exitStatus = 0;
    if (!readCommandLine(&argc, argv, &exitStatus))
        return exitStatus;
    loadSettings(settingsFilePath());
    openGameWindow(&argc, argv);
    createViewMenu();
    initResources();
    setSoundVolume(settingsInEffect.volume);
    if (!muteRequested)
        startSound();
    startPads();
    enterTitleScreen();
    glutMainLoop();
    return 1;
}
