#pragma once

#include "input/inputs.h"
#include "input/replay_file.h"

#include <string>

// A recording played back into the game: each event just before the step it fell before, and
// each checkpoint compared with the game's state right before its step.
struct Playback {
    std::vector<ReplayEvent> events;
    std::size_t next = 0;
    long long firstStep = 0; // the game's step at which the recording's step 0 falls
    InputSource source = InputSource::replay;
    bool on = false;
};

// Plays the events due before this step, up to the next checkpoint. An event followed by
// `quit` ended the recorded game: the playback stops before it instead.
void playDueEvents(Playback& playback);

// Right before a step: the checkpoint due now compared. Empty when it agrees or none is due;
// otherwise what differs, and the event's line in `line`.
std::string compareDueCheckpoint(Playback& playback, int& line);

// Every event played.
bool playbackDone(const Playback& playback);

// ruko --replay FILE: the recording played in the window at the game's speed; at its end, at
// Escape or at a checkpoint that disagrees, the player plays on from there.
void startReplay(const Replay& replay, const std::string& name);
bool replayPlaying();
void leaveReplay(); // Escape
// The pacer's poll and step hook call these.
void playReplayEvents();
void checkReplayStep();

// ruko --check FILE: the recording's steps run as fast as they go, drawing nothing. Returns
// the exit status: 0 when every checkpoint agrees, 1 at the first that does not (said on
// stderr with its step and what differs).
int checkReplay(const Replay& replay, const std::string& name);
