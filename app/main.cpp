#include "app/command_line.h"
#include "app/startup.h"
#include "challenge/circuit_kept.h"
#include "input/pads.h"
#include "menus/menus.h"
#include "platform/platform.h"
#include "replay/demo.h"
#include "replay/plug_in.h"
#include "replay/recorder.h"
#include "replay/replays.h"
#include "setup/setup_screen.h"
#include "sound/sound.h"

#include <GL/glut.h>

#include <cstdio>

namespace {

// Everything after the window and its resources, up to the title screen.
void startPlaying() {
    if (!muteRequested)
        startSound();
    startPads();
    startRecording(recordPath.empty() ? lastReplayPath() : recordPath);
    // The title shows a champion: the circuit's progress read first, and recorded.
    readCircuitProgress();
    enterTitleScreen();
}

void playAfterSetup() {
    startGameInWindow();
    plugInSources();
    loadDemo();
    startPlaying();
}

} // namespace

int main(int argc, char** argv) {
    adoptLaunchConventions(&argc, &argv);
    int exitStatus = 0;
    if (!readCommandLine(&argc, argv, &exitStatus))
        return exitStatus;
    if (setupRequested) {
        runSetup(&argc, argv, !muteRequested, playAfterSetup);
        glutMainLoop();
        return 1;
    }
    // A recording to play is read whole first: a bad one plays nothing, and it may be the
    // last.replay that this session's recording replaces.
    const std::string& played = checkPath.empty() ? replayPath : checkPath;
    Replay replay;
    std::string problem;
    if (!played.empty() && !readReplayFile(played, replay, problem)) {
        std::fprintf(stderr, "ruko: %s\n", problem.c_str());
        return 2;
    }
    if (!played.empty() && !challengeRulesAgree(replay, played, !checkPath.empty()) &&
        !checkPath.empty())
        return 2;
    startGame(&argc, argv);
    plugInSources();
    loadDemo();
    if (!checkPath.empty()) {
        enterTitleScreen();
        return checkReplay(replay, checkPath);
    }
    startPlaying();
    if (!replayPath.empty())
        startReplay(replay, replayPath);
    glutMainLoop();
    return 1;
}
