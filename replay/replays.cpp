#include "replay/replays.h"

#include "app/idle_pacing.h"
#include "app/screen.h"
#include "challenge/challenge_rules.h"
#include "replay/playback.h"
#include "replay/sources.h"

#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>

namespace {

Playback replayPlayback;
std::string replayName;
bool checking = false;
int checkStatus = 0;
int checkpointsCompared = 0;

void say(const ReplayEvent* event, const std::string& what) {
    std::fprintf(stderr, "ruko: %s", replayName.c_str());
    if (event)
        std::fprintf(stderr, ":%d", event->line);
    std::fprintf(stderr, ": step %lld: %s\n", stepsRun() - replayPlayback.firstStep, what.c_str());
}

void stopReplay(const std::string& why, int status) {
    replayPlayback.on = false;
    checkStatus = status;
    sourceEnded(Source::replay);
    if (checking)
        return;
    say(nullptr, why + "; the game is yours");
    glutPostRedisplay(); // the frame again without the mark: a game standing still draws no other
}

void playReplayEvent(const ReplayEvent& event, const Replay& replay) {
    playFromSource(Source::replay, event, replay);
}

// An event whose step the game has run past is never played; with no step to run, an event
// still to come waits for ever: the recording hid the window
// and goes on, which no game does; or the game stopped (a finished training) where the
// recorded one went on.
void stopWhereStuck() {
    const ReplayEvent* next = nextEvent(replayPlayback);
    if (!replayPlayback.on || !next)
        return;
    if (replayPlayback.firstStep + next->step < stepsRun()) {
        say(next, "the game has run past this event's step");
        stopReplay("the playback stops", 1);
        return;
    }
    if (installedIdle() || playerHidWindow())
        return;
    const bool hidden = !screenShown();
    say(next, hidden ? "the recording goes on with the window hidden, where no step can run"
                     : "the game stands still (no step runs) where the recording goes on");
    stopReplay("the playback stops", hidden ? 2 : 1);
}

// A check that the game itself ends (Escape on the title) while the recording goes on.
void endedEarly() {
    if (!replayPlayback.on)
        return;
    say(nextEvent(replayPlayback), "the game ends where the recording goes on");
    std::_Exit(1);
}

} // namespace

void startReplay(const Replay& replay, const std::string& name) {
    replayPlayback = {replay, 0, stepsRun(), true};
    replayName = name;
    sourceStarted(Source::replay, leaveReplay);
    markPlayback(replayPlayback, Word::replay);
    if (replay.lastLineCut)
        std::fprintf(stderr, "ruko: %s: its last line is cut short (left out)\n", name.c_str());
}

void leaveReplay() {
    stopReplay("left by Escape", 0);
}

void playReplayEvents() {
    playDueEvents(replayPlayback, playReplayEvent);
    if (replayPlayback.on && playbackDone(replayPlayback))
        stopReplay("played to its end", 0);
    stopWhereStuck();
}

void checkReplayStep() {
    int line = 0;
    const std::size_t before = replayPlayback.next;
    std::string difference = compareDueCheckpoint(replayPlayback, line);
    checkpointsCompared += replayPlayback.next != before;
    if (difference.empty())
        return;
    if (replayPlayback.replay.gameVersion != RUKO_VERSION)
        difference += " (recorded by ruko " + replayPlayback.replay.gameVersion +
                      ", this is ruko " RUKO_VERSION ")";
    ReplayEvent where;
    where.line = line;
    say(&where, difference);
    stopReplay("the playback stops", 1);
}

bool challengeRulesAgree(const Replay& replay, const std::string& name, bool checking) {
    for (const ReplayEvent& event : replay.events) {
        if (event.kind != ReplayEventKind::challenge || event.height == 0 ||
            event.height == challengeRulesVersion)
            continue;
        std::fprintf(stderr,
                     "ruko: %s:%d: this recording was made under the challenge's rules %d; this "
                     "game plays rules %d, so it goes otherwise: %s\n",
                     name.c_str(), event.line, event.height, challengeRulesVersion,
                     checking ? "not checked" : "played all the same");
        return false;
    }
    return true;
}

int checkReplay(const Replay& replay, const std::string& name) {
    if (!checking)
        std::atexit(endedEarly);
    checking = true;
    checkpointsCompared = 0;
    startReplay(replay, name);
    while (replayPlayback.on)
        runSlot();
    // Said when it checks too, so that a player sees it ran and what it compared.
    if (checkStatus == 0) {
        std::printf("ruko: %s checks: %lld steps run, %d %s\n", name.c_str(),
                    stepsRun() - replayPlayback.firstStep, checkpointsCompared,
                    checkpointsCompared == 1 ? "checkpoint agrees" : "checkpoints agree");
        std::fflush(stdout);
    }
    return checkStatus;
}
