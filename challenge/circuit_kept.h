#pragma once

#include "challenge/circuit.h"

// The player's circuit progress kept in the state folder (circuitProgressPath()), as the
// challenge's records are: under a lock beside it (circuit.lock), a damaged file set aside
// (circuit.damaged.txt), what cannot be read or written said once and the progress then kept
// in memory until the game ends. Only while the records are kept (recordsKept()): a recording,
// the demo or --check never touch the file.

// Sets circuitProgress from the file, read again each time (another game may have changed it):
// none there, or a damaged one set aside, is no progress; where it cannot be read the progress
// in memory stays. Then tells the listener. Does nothing while the records are not kept.
void readCircuitProgress();

// A fight's outcome against `opponent`, one of the player's own (the caller asks
// challengeFightCounts first), added to the file's progress read again, saved, and put in
// effect; to the progress in memory alone where the file cannot be read or written, or while
// the records are not kept. Returns true when the fight won the title.
bool saveCircuitOutcome(int opponent, const ChallengeOutcome& outcome);

// Told the progress each time it is read from the file (the recorder writes it down); null for
// none.
void setCircuitListener(void (*listener)(const CircuitProgress& progress));

// As at the start: no progress, what was said about the file forgotten.
void forgetCircuitProgress();
