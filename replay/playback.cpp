#include "replay/playback.h"

#include "app/idle_pacing.h"
#include "replay/game_state.h"

namespace {

long long gameStep(const Playback& playback, const ReplayEvent& event) {
    return playback.firstStep + event.step;
}

} // namespace

void playDueEvents(Playback& playback, PlayEvent play) {
    const std::vector<ReplayEvent>& events = playback.replay.events;
    while (playback.on && playback.next < events.size()) {
        const ReplayEvent& event = events[playback.next];
        const ReplayEvent* following =
            playback.next + 1 < events.size() ? &events[playback.next + 1] : nullptr;
        const bool endsGame =
            following && following->kind == ReplayEventKind::quit && following->step == event.step;
        if (event.kind == ReplayEventKind::quit || endsGame) {
            playback.next = events.size(); // nothing after the game's end
            return;
        }
        if (event.kind == ReplayEventKind::check || gameStep(playback, event) != stepsRun())
            return;
        ++playback.next;
        play(event, playback.replay);
    }
}

std::string compareDueCheckpoint(Playback& playback, int& line) {
    const ReplayEvent* event = nextEvent(playback);
    if (!playback.on || !event || event->kind != ReplayEventKind::check ||
        gameStep(playback, *event) != stepsRun())
        return {};
    ++playback.next;
    line = event->line;
    return checkpointDifference(playback.replay.checks[event->value], stateCheckpoint());
}

bool playbackDone(const Playback& playback) {
    return playback.next >= playback.replay.events.size();
}

const ReplayEvent* nextEvent(const Playback& playback) {
    return playbackDone(playback) ? nullptr : &playback.replay.events[playback.next];
}
