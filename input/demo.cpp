#include "input/demo.h"

#include "app/idle_pacing.h"
#include "app/screen.h"
#include "app/window.h"
#include "input/game_state.h"
#include "input/playback.h"
#include "input/settings.h"
#include "menus/menus.h"
#include "sound/sound.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/words.h"

#include <cstdio>

int titleStepsUntouched = 0;

namespace {

constexpr int demoVolumeShare = 4; // a quarter of the player's volume
constexpr int markBlinkSteps = 30;

Playback demoPlayback;
SavedState startState;
SavedState titleState;
Settings playerSettings;

// Arcade demos say what they are in a corner: DEMO in the bottom right, blinking each
// half-second.
void drawDemoMark() {
    if ((stepsRun() - demoPlayback.firstStep) / markBlinkSteps % 2 != 0)
        return;
    setFontSize(20);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(1.0f, 1.0f, 1.0f);
    printText(textAreaWidth() - 90, 12, "%s", word(Word::demo));
}

void startDemo() {
    titleState = saveGameState();
    playerSettings = settingsInEffect;
    restoreGameState(startState);
    demoPlayback.next = 0;
    demoPlayback.firstStep = stepsRun() + 1; // the step that starts it is the title's
    demoPlayback.on = true;
    setSoundVolume(settingsInEffect.volume / demoVolumeShare);
    setFrameOverlay(drawDemoMark);
    enterTitleScreen();
}

} // namespace

void loadDemo() {
    startState = saveGameState();
    Replay replay;
    std::string message;
    if (!readReplayFile(demoPath, replay, message)) {
        std::fprintf(stderr, "ruko: no demo on the title: %s\n", message.c_str());
        return;
    }
    demoPlayback = {replay.events, 0, 0, InputSource::demo, false};
}

// Counted during the demo too, as when it was recorded.
void countTitleStep() {
    ++titleStepsUntouched;
    if (!demoPlayback.events.empty() && !demoPlayback.on && titleStepsUntouched >= demoAfterSteps)
        startDemo();
}

bool demoPlaying() {
    return demoPlayback.on;
}

void endDemo() {
    demoPlayback.on = false;
    stopCrowdMurmur();
    settingsInEffect = playerSettings;
    setSoundVolume(settingsInEffect.volume);
    setFrameOverlay(nullptr);
    restoreGameState(titleState);
    titleStepsUntouched = 0;
    enterTitleScreen();
}

void playDemoEvents() {
    playDueEvents(demoPlayback);
    if (demoPlayback.on && playbackDone(demoPlayback))
        endDemo();
}

void checkDemoStep() {
    int line = 0;
    if (!compareDueCheckpoint(demoPlayback, line).empty())
        endDemo();
}
