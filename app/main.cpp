#include "app/command_line.h"
#include "app/idle_pacing.h"
#include "app/startup.h"
#include "app/window.h"
#include "input/demo.h"
#include "input/inputs.h"
#include "input/pads.h"
#include "input/playback.h"
#include "input/recorder.h"
#include "input/settings.h"
#include "menus/menus.h"
#include "menus/view_menu.h"
#include "platform/platform.h"
#include "sound/sound.h"
#include "text/print_text.h"

#include <GL/glut.h>

#include <cstdio>

int main(int argc, char** argv) {
    adoptLaunchConventions();
    int exitStatus = 0;
    if (!readCommandLine(&argc, argv, &exitStatus))
        return exitStatus;
    // A recording to play is read whole first: a bad one plays nothing, and it may be the
    // last.replay that this session's recording replaces.
    const std::string& played = checkPath.empty() ? replayPath : checkPath;
    Replay replay;
    std::string problem;
    if (!played.empty() && !readReplayFile(played, replay, problem)) {
        std::fprintf(stderr, "ruko: %s\n", problem.c_str());
        return 2;
    }
    loadSettings(settingsFilePath());
    textScaleChoice = settingsInEffect.textScale;
    openGameWindow(&argc, argv);
    if (settingsInEffect.fullScreen)
        glutFullScreen();
    createViewMenu();
    glutMouseFunc(mouseInput);
    initResources();
    setIdlePoll(pollInputs);
    setStepHook(beforeStep);
    loadDemo();
    if (!checkPath.empty()) {
        enterTitleScreen();
        return checkReplay(replay, checkPath);
    }
    setSoundVolume(settingsInEffect.volume);
    if (!muteRequested)
        startSound();
    startPads();
    startRecording(recordPath.empty() ? lastReplayPath() : recordPath);
    enterTitleScreen();
    if (!replayPath.empty())
        startReplay(replay, replayPath);
    glutMainLoop();
    return 1;
}
