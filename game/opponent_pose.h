#pragma once

// The opponents' start poses and the neutral rest pose.

// Writes the start pose of opponent 1, 2 or 3; any other number writes nothing.
void setOpponentStartPose(int opponent);

// Writes the rest pose (arms and leg spreads; the phase flags keep their values).
void setOpponentRestPose();
