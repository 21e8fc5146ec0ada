#include "replay/plug_in.h"

#include "app/command_line.h"
#include "app/idle_pacing.h"
#include "challenge/challenge_random.h"
#include "challenge/circuit_kept.h"
#include "input/inputs.h"
#include "input/pads.h"
#include "replay/demo.h"
#include "replay/recorder.h"
#include "replay/replays.h"
#include "replay/sources.h"

#include <chrono>
#include <random>

namespace {

// Each session's fights go otherwise; the recording carries the seed. The clock too, where
// random_device is a fixed sequence (some MinGW runtimes).
std::uint32_t sessionSeed() {
    std::random_device device;
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return device() ^ static_cast<std::uint32_t>(now) ^ static_cast<std::uint32_t>(now >> 32);
}

} // namespace

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
    const bool challenge = settingsInEffect.challenge || challengeRequested;
    if (challenge)
        seedChallengeRandom(sessionSeed());
    startSources(challenge,
                 difficultyRequested >= 0 ? difficultyRequested : settingsInEffect.difficulty);
    setDeviceJudge(judgeDeviceInput);
    setInputListener(recordInput);
    setCircuitListener(recordCircuit);
    setIdlePoll(pollSources);
    setStepHook(sourcesBeforeStep);
}
