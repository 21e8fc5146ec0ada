#include "replay/demo.h"

#include "app/idle_pacing.h"
#include "app/screen.h"
#include "menus/menus.h"
#include "menus/title_animation.h"
#include "replay/game_state.h"
#include "replay/playback.h"
#include "replay/sources.h"
#include "sound/sound.h"
#include "text/words.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

namespace {

Playback demoPlayback;
SavedState startState;
SavedState titleState;

// The view the player had chosen, which the demo does not play in.
GLint playerPolygonMode = GL_FILL;
GLboolean playerLightOn = GL_TRUE;

void playDemoEvent(const ReplayEvent& event, const Replay& replay) {
    playFromSource(Source::demo, event, replay);
}

void startDemo() {
    titleState = saveGameState();
    GLint polygonMode[2] = {GL_FILL, GL_FILL};
    glGetIntegerv(GL_POLYGON_MODE, polygonMode);
    playerPolygonMode = polygonMode[0];
    playerLightOn = glIsEnabled(GL_LIGHT0);
    restoreGameState(startState);
    glPolygonMode(GL_FRONT, GL_FILL);
    demoPlayback.next = 0;
    demoPlayback.firstStep = stepsRun();
    demoPlayback.on = true;
    sourceStarted(Source::demo, endDemo);
    markPlayback(demoPlayback, Word::demo);
    enterTitleScreen();
    playDemoEvents(); // its first step's, due before the step about to run
}

} // namespace

void loadDemo() {
    startState = saveGameState();
    std::string message;
    if (!readReplayFile(demoPath, demoPlayback.replay, message))
        std::fprintf(stderr, "ruko: no demo on the title: %s\n", message.c_str());
}

void startDemoWhenDue() {
    if (!demoPlayback.on && !demoPlayback.replay.events.empty() &&
        std::strcmp(screenName(), "title") == 0 && titleStepsUntouched >= demoAfterSteps)
        startDemo();
}

void endDemo() {
    demoPlayback.on = false;
    stopCrowdMurmur();
    restoreGameState(titleState);
    titleStepsUntouched = 0;
    enterTitleScreen();
    glPolygonMode(GL_FRONT, static_cast<GLenum>(playerPolygonMode));
    if (!playerLightOn)
        glDisable(GL_LIGHT0);
    sourceEnded(Source::demo);
}

void playDemoEvents() {
    playDueEvents(demoPlayback, playDemoEvent);
    if (demoPlayback.on && playbackDone(demoPlayback))
        endDemo();
}

// The demo plays the same in every game: one that goes otherwise is a fault, said rather than
// hidden by the title coming back.
void checkDemoStep() {
    int line = 0;
    const std::string difference = compareDueCheckpoint(demoPlayback, line);
    if (difference.empty())
        return;
    std::fprintf(stderr, "ruko: %s:%d: the demo goes otherwise: %s\n", demoPath, line,
                 difference.c_str());
    endDemo();
}
