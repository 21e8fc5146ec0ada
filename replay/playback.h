#pragma once

#include "replay/replay_file.h"
#include "text/words.h"

#include <string>

// A recording played back into the game: each event just before the step it fell before, and
// each checkpoint compared with the game's state right before its step.
struct Playback {
    Replay replay;
    std::size_t next = 0;
    long long firstStep = 0; // the game's step at which the recording's step 0 falls
    bool on = false;
};

// Hands `play` the events due before this step, up to the next checkpoint. An event followed
// by `quit` ended the recorded game: the playback stops before it instead.
using PlayEvent = void (*)(const ReplayEvent& event, const Replay& replay);
void playDueEvents(Playback& playback, PlayEvent play);

// Right before a step: the checkpoint due now compared. Empty when it agrees or none is due;
// otherwise what differs, and the event's line in `line`.
std::string compareDueCheckpoint(Playback& playback, int& line);

// Every event played.
bool playbackDone(const Playback& playback);

// The event to come, which needs the game to step when it is not due now; nullptr when done.
const ReplayEvent* nextEvent(const Playback& playback);

// Arcade demos say what they are in a corner: `mark` in the bottom right over every frame while
// `playback` is on, blinking each half-second. The one marked last and on shows (the demo that
// a recording played back starts, then the recording's again).
void markPlayback(const Playback& playback, Word mark);
