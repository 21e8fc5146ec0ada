#pragma once

#include "challenge/challenge_state.h"

// The opponent's side of the challenge: a table of states, each with the pose its arms go
// towards, how long it lasts, what it does when entered and the state that follows. It waits
// in its guard, comes forward when the player is out of its reach, covers up, or throws: a
// wind-up whose kind shows from its first steps (and which still follows the player), an aim
// with the arm held fully drawn (the blow is committed: the player's first answer from then on
// decides it), the blow, a recovery, and the next blow of the combination. A feint is a
// wind-up that stops at the aim and goes back, guarded.
//
// Its guard stops the player's punches except where it is open: the recovery after a blow
// that missed (a counter), and tired.

// Back to the stance with a fresh wait, as at each bell and when the player gets up.
void resetOpponentAttack();

// One step of the table.
void advanceOpponentAttack();

// A punch landed: in its recovery it may cover up at once.
void opponentTakesPoint();

// A punch into its guard: it answers with an attack of its own soon.
void opponentPunchBlocked();

// The player circled while out of its reach: it cuts the ring off, a step forward at once.
void opponentCutsOff();

AttackPose opponentAttackPose();
BlowKind opponentBlowKind();

// How far the current state has gone, 0 at its first step to 1 at its last: the drawing poses
// the arm drawn back by the wind-up's progress.
float opponentPoseProgress();

bool opponentOpen();       // a punch into it lands
bool opponentCountering(); // open after its own blow missed: a punch is worth more
bool opponentGuarding();   // both fists over the face
bool blowCommitted();      // aimed or thrown: the player's answer counts now
