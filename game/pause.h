#pragma once

#include "game/state.h"
#include "input/settings.h"

// The player's pause of the fight or the training. The screen's step still comes 60 times a
// second but does nothing while paused: the opponent, the round clock and the punches stand
// still, and the pacer owes nothing at the resume. The recordings see the pause key like any
// other, so a paused session plays back the same.

// Set while paused; the checkpoints hash it only when set, so that a session never paused
// keeps its checkpoints.
extern Flag gamePaused;

// The pause's part of an action: the pause key toggles it where `pausable` (not in the
// knock-out view nor the finished training), and every other action is dropped while paused.
// True when the action is used up here.
bool pauseTakes(Action action, bool pausable);

// "PAUSE" in the middle of the view while paused.
void printPauseWord();
