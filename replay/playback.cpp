#include "replay/playback.h"

#include "app/idle_pacing.h"
#include "app/screen.h"
#include "app/window.h"
#include "replay/game_state.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"

#include <cstring>

namespace {

long long gameStep(const Playback& playback, const ReplayEvent& event) {
    return playback.firstStep + event.step;
}

constexpr int markBlinkSteps = 30;

struct PlaybackMark {
    const Playback* playback;
    Word mark;
};
// The recording's and the demo's, the last marked first.
PlaybackMark marks[2] = {};

void drawPlaybackMark() {
    for (const PlaybackMark& mark : marks) {
        if (!mark.playback || !mark.playback->on)
            continue;
        if ((stepsRun() - mark.playback->firstStep) / markBlinkSteps % 2 != 0)
            return;
        constexpr int size = 20, margin = 10;
        const char* text = word(mark.mark);
        setFontSize(size);
        enableTextShadow();
        setShadowColor3f(0.0f, 0.0f, 0.0f);
        setTextColor3f(1.0f, 1.0f, 1.0f);
        printText(textAreaWidth() - margin - static_cast<int>(std::strlen(text)) * size, 12, "%s",
                  text);
        return;
    }
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

void markPlayback(const Playback& playback, Word mark) {
    if (marks[0].playback != &playback)
        marks[1] = marks[0];
    marks[0] = {&playback, mark};
    setFrameOverlay(drawPlaybackMark);
}
