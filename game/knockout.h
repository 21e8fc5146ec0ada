#pragma once

#include "game/state.h"

// Scoring and the knock-out: a punch fully extended at the closest distance scores one
// point, and more than 40 points knock the opponent out.

// Applied at each tick that finds a punch fully extended.
void applyHitRule();

// One punch's points: one thud, one rumble, the bells with the point past the threshold.
void scorePoints(int points);

// From the tick that passes knockOutPoints on.
bool knockedOut();

// Once per tick after both punches: installs the knock-out view above 40 points.
void knockOutTest();

// The knock-out view: the arena turning under an overhead camera, the opponent on its back.
void koDisplay();

// One degree of the arena's turn per step.
void koIdle();

// Multiplies the overhead view onto the model-view matrix: 30 units above the cup hall's
// ring, 15 above the club's, looking down at the fallen opponent.
void applyKoCamera(int decor);
