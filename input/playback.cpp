#include "input/playback.h"

#include "app/idle_pacing.h"
#include "input/game_state.h"
#include "input/recorder.h"

#include <algorithm>
#include <cstdio>

namespace {

Playback replayPlayback;
std::string replayName;
std::string replayVersion;
bool checking = false;
KeyCode playerKeys[actionCount] = {};
bool diverged = false;

long long gameStep(const Playback& playback, const ReplayEvent& event) {
    return playback.firstStep + event.step;
}

void say(const ReplayEvent* event, const std::string& what) {
    std::fprintf(stderr, "ruko: %s", replayName.c_str());
    if (event)
        std::fprintf(stderr, ":%d", event->line);
    std::fprintf(stderr, ": step %lld: %s\n", stepsRun() - replayPlayback.firstStep, what.c_str());
}

// The player's keys back, for the player's own play.
void stopReplay(const std::string& why) {
    replayPlayback.on = false;
    std::copy(playerKeys, playerKeys + actionCount, settingsInEffect.keys);
    recordKeysInEffect();
    if (!checking)
        say(nullptr, why + "; the game is yours");
}

} // namespace

void playDueEvents(Playback& playback) {
    while (playback.on && playback.next < playback.events.size()) {
        const ReplayEvent& event = playback.events[playback.next];
        const bool last = playback.next + 1 == playback.events.size();
        const ReplayEvent* following = last ? nullptr : &playback.events[playback.next + 1];
        const bool endsGame =
            following && following->kind == ReplayEventKind::quit && following->step == event.step;
        if (event.kind == ReplayEventKind::quit || endsGame) {
            playback.next = playback.events.size(); // nothing after the game's end
            return;
        }
        if (event.kind == ReplayEventKind::check || gameStep(playback, event) != stepsRun())
            return;
        ++playback.next;
        playInput(event, playback.source);
    }
}

std::string compareDueCheckpoint(Playback& playback, int& line) {
    if (!playback.on || playback.next >= playback.events.size())
        return {};
    const ReplayEvent& event = playback.events[playback.next];
    if (event.kind != ReplayEventKind::check || gameStep(playback, event) != stepsRun())
        return {};
    ++playback.next;
    line = event.line;
    return checkpointDifference(event.check, stateCheckpoint());
}

bool playbackDone(const Playback& playback) {
    return playback.next >= playback.events.size();
}

void startReplay(const Replay& replay, const std::string& name) {
    replayPlayback = {replay.events, 0, stepsRun(), InputSource::replay, true};
    replayName = name;
    replayVersion = replay.gameVersion;
    std::copy(settingsInEffect.keys, settingsInEffect.keys + actionCount, playerKeys);
    if (replay.lastLineCut)
        std::fprintf(stderr, "ruko: %s: its last line is cut short (left out)\n", name.c_str());
}

bool replayPlaying() {
    return replayPlayback.on;
}

void leaveReplay() {
    stopReplay("left by Escape");
}

void playReplayEvents() {
    playDueEvents(replayPlayback);
    if (replayPlayback.on && playbackDone(replayPlayback))
        stopReplay("played to its end");
}

void checkReplayStep() {
    int line = 0;
    std::string difference = compareDueCheckpoint(replayPlayback, line);
    if (difference.empty())
        return;
    if (replayVersion != RUKO_VERSION)
        difference += " (recorded by ruko " + replayVersion + ", this is ruko " RUKO_VERSION ")";
    ReplayEvent where;
    where.line = line;
    say(&where, difference);
    diverged = true;
    stopReplay("the playback stops");
}

int checkReplay(const Replay& replay, const std::string& name) {
    checking = true;
    diverged = false;
    startReplay(replay, name);
    while (replayPlayback.on && !diverged) {
        runSlot();
        const bool waiting =
            !installedIdle() && replayPlayback.on &&
            replayPlayback.next < replayPlayback.events.size() &&
            gameStep(replayPlayback, replayPlayback.events[replayPlayback.next]) > stepsRun();
        if (waiting) {
            say(&replayPlayback.events[replayPlayback.next],
                "the game stands still (no step runs) where the recording goes on");
            return 1;
        }
    }
    return diverged ? 1 : 0;
}
