#pragma once

// The per-tick motion of the player's punches (fight and training) and of the glove bob that
// follows a step (fight only).

// A punch key: the arm extends from rest or from where it is on its way back. Returns true
// when that starts a new extension; pressed again while the arm extends it changes nothing.
bool startLeftPunch();
bool startRightPunch();

// The punch keys of the fight and the training: the punch starts, with its swish when it starts
// a new extension and the screen's punches still move (not after a knock-out or the end of a
// training, where a key only sets the flags).
void throwLeftPunch(bool punchesMove);
void throwRightPunch(bool punchesMove);

// One tick of each punch. Returns true at the tick that finds the arm fully extended, where
// the caller applies its own hit rule; no joint moves in that tick.
bool advanceRightPunch();
bool advanceLeftPunch();

// One tick of the bob of both gloves after a step; the fight calls it only while neither
// punch is active, so a punch pauses it where it stands.
void advanceStepBob();
