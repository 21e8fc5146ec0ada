#include "replay/sources.h"

#include "app/idle_pacing.h"
#include "challenge/challenge_random.h"
#include "challenge/challenge_records.h"
#include "challenge/challenge_rules.h"
#include "input/inputs.h"
#include "input/keys.h"
#include "input/pads.h"
#include "menus/view_menu.h"
#include "replay/recorder.h"
#include "sound/sound.h"

#include <algorithm>

namespace {

struct SourceRules {
    bool recorded; // else the game makes its inputs again when a recording plays back
    bool rumbles;
    int volumeShare;   // of the player's volume
    bool keepsRecords; // the challenge's: only the player's own fights count
};

constexpr SourceRules sourceRules[] = {
    {true, true, 1, true},    // the player
    {true, false, 1, false},  // a recording: the viewer is not the one punching
    {false, false, 4, false}, // the demo: the title's own, softly, and nobody is punching
};

const SourceRules& rulesOf(Source source) {
    return sourceRules[static_cast<int>(source)];
}

ActionKeys sourceKeys[3] = {};
bool sourceChallenge[3] = {}; // the demo's stays off
int sourceLevel[3] = {normalDifficulty, normalDifficulty, normalDifficulty};
bool recordedChallenge = false; // what the recording being written has in effect
int recordedLevel = normalDifficulty;
bool driving[3] = {true, false, false};
void (*endOf[3])() = {}; // how a recording or the demo is ended
bool playerHidden = false;

int indexOf(Source source) {
    return static_cast<int>(source);
}

void followLiveSource() {
    const Source live = liveSource();
    setKeysInEffect(sourceKeys[indexOf(live)]);
    const SourceRules& rules = rulesOf(live);
    setSoundVolume(settingsInEffect.volume / rules.volumeShare);
    allowPadRumbles(rules.rumbles);
    keepRecords(rules.keepsRecords, stepsRun());
    // Turned on (a player taking over a recording without it, mid-fight perhaps), it starts
    // afresh, the generator going on: recorded with the generator as it was before, so that
    // the recording's line, played, does the same.
    const std::uint32_t stateBefore = challengeRandomState;
    const bool challenge = sourceChallenge[indexOf(live)];
    challengeLevel = sourceLevel[indexOf(live)];
    if (challenge && !challengeOn) {
        challengeOn = 1;
        startChallengeFight();
    }
    challengeOn = challenge;
    const Source beneath = driving[indexOf(Source::replay)] ? Source::replay : Source::player;
    if (sourceChallenge[indexOf(beneath)] != recordedChallenge ||
        (recordedChallenge && sourceLevel[indexOf(beneath)] != recordedLevel)) {
        recordedChallenge = sourceChallenge[indexOf(beneath)];
        recordedLevel = sourceLevel[indexOf(beneath)];
        recordChallenge(recordedChallenge, stateBefore, recordedLevel);
    }
}

// An input of the player or of a recording: under the demo, a press only ends it (and is
// recorded, since the demo ends where it fell).
void outerInput(const InputEvent& event) {
    if (driving[indexOf(Source::demo)] && isPress(event)) {
        recordInput(event);
        endOf[indexOf(Source::demo)]();
        return;
    }
    runInput(event);
}

} // namespace

bool judgeDeviceInput(const InputEvent& event) {
    if (event.kind == InputKind::hidden || event.kind == InputKind::shown) {
        playerHidden = event.kind == InputKind::hidden;
        return true;
    }
    if (driving[indexOf(Source::replay)]) {
        if (event.kind == InputKind::key && event.value == escapeKey)
            endOf[indexOf(Source::replay)]();
        return false;
    }
    if (driving[indexOf(Source::demo)] && isPress(event)) {
        outerInput(event);
        return false;
    }
    return true;
}

void startSources(bool challenge, int level) {
    sourceKeys[indexOf(Source::player)] = keysInEffect();
    sourceChallenge[indexOf(Source::player)] = challenge;
    sourceLevel[indexOf(Source::player)] = level;
    recordedChallenge = challenge;
    recordedLevel = level;
    // The seed, before a fight draws on it.
    startingChallenge(challenge, challengeRandomState, level);
    followLiveSource();
}

void sourceStarted(Source source, void (*end)()) {
    endOf[indexOf(source)] = end;
    const Settings usual = defaultSettings();
    std::copy(usual.keys, usual.keys + actionCount, sourceKeys[indexOf(source)].begin());
    sourceChallenge[indexOf(source)] = false; // until the recording's own line
    sourceLevel[indexOf(source)] = normalDifficulty;
    driving[indexOf(source)] = true;
    if (rulesOf(source).recorded)
        recordKeys(sourceKeys[indexOf(source)]);
    followLiveSource();
}

void sourceEnded(Source source) {
    driving[indexOf(source)] = false;
    if (rulesOf(source).recorded)
        recordKeys(sourceKeys[indexOf(Source::player)]);
    followLiveSource();
}

void playFromSource(Source source, const ReplayEvent& event, const Replay& replay) {
    switch (event.kind) {
    case ReplayEventKind::keys:
        sourceKeys[indexOf(source)] = replay.keySets[event.value];
        if (rulesOf(source).recorded)
            recordKeys(sourceKeys[indexOf(source)]);
        followLiveSource();
        return;
    case ReplayEventKind::challenge:
        if (source == Source::demo)
            return; // the demo plays without it, always
        if (event.height)
            seedChallengeRandom(static_cast<std::uint32_t>(event.value));
        sourceChallenge[indexOf(source)] = event.height != 0;
        sourceLevel[indexOf(source)] = event.level;
        followLiveSource();
        return;
    case ReplayEventKind::circuit:
        if (source == Source::demo)
            return;
        circuitProgress = replay.circuits[event.value];
        if (rulesOf(source).recorded)
            recordCircuit(circuitProgress);
        return;
    case ReplayEventKind::size:
    case ReplayEventKind::check:
    case ReplayEventKind::quit:
        return;
    case ReplayEventKind::menu:
        if (event.value == fullScreenEntry || event.value == quitEntry)
            return; // the window is the viewer's
        break;
    default:
        break;
    }
    if (rulesOf(source).recorded)
        outerInput(inputOf(event));
    else
        carryOutInput(inputOf(event));
}

Source liveSource() {
    if (driving[indexOf(Source::demo)])
        return Source::demo;
    return driving[indexOf(Source::replay)] ? Source::replay : Source::player;
}

bool playerHidWindow() {
    return playerHidden;
}
