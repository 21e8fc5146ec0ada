#pragma once

// The opponent's two animations, one step per fight tick.

// The guard sway: the left fist's pitch between the opponent's own bottom and top, the right
// one moving the other way. Any number but 1, 2 or 3 does nothing.
void opponentSway(int opponent);

// The side-step started by the player's turns: both legs open to 5 degrees and close again.
void opponentSideStep();
