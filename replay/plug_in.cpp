#include "replay/plug_in.h"

#include "app/idle_pacing.h"
#include "input/inputs.h"
#include "input/pads.h"
#include "replay/demo.h"
#include "replay/recorder.h"
#include "replay/replays.h"
#include "replay/sources.h"

double pollSources() {
    if (!playerHidWindow()) {
        playReplayEvents();
        playDemoEvents();
    }
    const double padsAgain = pollPads();
    return liveSource() != Source::player && !playerHidWindow() ? 0.0 : padsAgain;
}

void sourcesBeforeStep() {
    startDemoWhenDue();
    recordCheckpoint();
    checkReplayStep();
    checkDemoStep();
    // What a checkpoint set going (a playback that stops there) was recorded after it, at this
    // step: played after it too.
    if (!playerHidWindow()) {
        playReplayEvents();
        playDemoEvents();
    }
}

void plugInSources() {
    startSources();
    setDeviceJudge(judgeDeviceInput);
    setInputListener(recordInput);
    setIdlePoll(pollSources);
    setStepHook(sourcesBeforeStep);
}
