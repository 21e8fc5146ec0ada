#pragma once

// The per-tick motion of the player's punches (fight and training) and of the glove bob that
// follows a step (fight only).

// One tick of each punch. Returns true at the tick that finds the arm fully extended, where
// the caller applies its own hit rule; no joint moves in that tick.
bool advanceRightPunch();
bool advanceLeftPunch();

// One tick of the bob of both gloves after a step; the fight calls it only while neither
// punch is active, so a punch pauses it where it stands.
void advanceStepBob();
