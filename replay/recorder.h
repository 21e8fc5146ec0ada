#pragma once

#include "input/inputs.h"
#include "replay/replay_lines.h"

#include <cstdint>
#include <string>

// The session written as a recording (replay/replay_file.h) while it is played: each input as
// it runs, the actions' keys when they change, a checkpoint every 60 steps, and `quit` when
// the game ends. Every line is flushed as it is written, so a crash loses at most the line it
// cut. The file is this game's alone while it runs: a second game started meanwhile records
// beside it (last-2.replay) and says so.

// Starts writing into the file at `path`, emptied, with the keys in effect and, when on, the
// challenge with the generator's state (the session's seed). Says on stderr why
// it cannot, and the game plays on unrecorded.
void startRecording(const std::string& path);

// The event, stamped with the steps run so far: the inputs' listener.
void recordInput(const InputEvent& event);

// The actions' keys in effect from now on.
void recordKeys(const ActionKeys& keys);

// The challenge on from here with the generator in `state` at `level`, or off; a recording
// started later starts with it.
void recordChallenge(bool on, std::uint32_t state, int level = normalDifficulty);

// The circuit's progress in effect from here: the circuit's listener.
void recordCircuit(const CircuitProgress& progress);

// What a recording started from now on starts with (the session's seed), unwritten.
void startingChallenge(bool on, std::uint32_t state, int level = normalDifficulty);

// Before every step: a checkpoint at every 60th.
void recordCheckpoint();
