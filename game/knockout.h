#pragma once

// Scoring and the knock-out: a punch fully extended at the closest distance scores one
// point, and more than 40 points knock the opponent out.

inline constexpr int knockOutPoints = 40; // the fight ends with the first tick above it

// Applied at each tick that finds a punch fully extended.
void applyHitRule();

// One punch's points (the challenge's are worth more than one): one thud, one rumble.
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
