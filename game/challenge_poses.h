#pragma once

// The challenge's arms, laid over the poses of the fight for one frame: the opponent's attack
// and guard over its sway, the player's guard over the gloves' rest or punch. Each applies its
// pose, and the matching restore puts back what the steps wrote, so the sway and the punches go
// on as without the challenge.

// The opponent's arms by opponentAttackPose() and opponentPoseProgress(): the left arm drawn
// back through the wind-up, thrown out towards the player in the blow, back in the recovery;
// both fists over the face in its guard.
void applyOpponentAttackArms();
void restoreOpponentArms();

// Both gloves raised in front of the face while the player guards.
void applyPlayerGuardArms();
void restorePlayerArms();
