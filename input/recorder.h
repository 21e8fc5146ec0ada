#pragma once

#include "input/replay_file.h"

#include <string>

// The session written as a recording (input/replay_file.h) while it is played: each input as
// it reaches the game, a checkpoint every 60 steps, and `quit` when the game ends. Every line
// is flushed as it is written, so a crash loses at most the line it cut.

// Starts writing into the file at `path`, emptied, with the keys in effect (a recording
// under way ends). Says on stderr why it
// cannot, and the game plays on unrecorded.
void startRecording(const std::string& path);

// The event, stamped with the steps run so far.
void recordInput(ReplayEvent event);

// Before every step: a checkpoint at every 60th.
void recordCheckpoint();

// The actions' keys in effect, when they change (a playback's are given back).
void recordKeysInEffect();
