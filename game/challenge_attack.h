#pragma once

#include "game/challenge_state.h"

// The opponent's side of the challenge: a table of states, each with the pose its arms go
// towards, how long it lasts, what it does when entered and the state that follows. It waits
// in its stance, then either covers up or winds up (the arm drawn back for the whole wind-up,
// so a player who watches can always react), throws, recovers, and at times throws again.
// Out of its guard it decides again, so it is open only in its stance, its attack and its
// recovery, and a point it takes may make it cover up.

// Back to the stance with a fresh wait, as at each bell and when the player gets up.
void resetOpponentAttack();

// One step of the table.
void advanceOpponentAttack();

// A point landed: from its stance or its recovery it may cover up at once (never in the
// middle of its own blow).
void opponentTakesPoint();

AttackPose opponentAttackPose();

// How far the current state has gone, 0 at its first step to 1 at its last: the drawing poses
// the arm drawn back by the wind-up's progress.
float opponentPoseProgress();

bool opponentGuarding();
bool opponentWindingUp();

// The landing test as the wind-up ends: within the opponent's reach and where the player
// stood when the wind-up began (a step back, a circle or a side-step during it makes the blow
// miss; the blow lands blowSteps later).
bool blowReachesPlayer();
