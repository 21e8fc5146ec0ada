#pragma once

#include "challenge/challenge_state.h"

// The challenge's arms, laid over the poses of the fight for one frame: the opponent's attack
// and guard over its sway, the player's guard over the gloves' rest or punch. Each applies its
// pose, and the matching restore puts back what the steps wrote, so the sway and the punches go
// on as without the challenge.

// The opponent's arms by its attack state, the kind of blow and opponentPoseProgress(): the
// left arm drawn back through the wind-up in the kind's own way, held there while it aims,
// thrown out in the blow, back in the recovery (both arms dropped after a miss or when
// tired: open); both fists over the face in its guard.
void applyOpponentAttackArms();

// The arm fully drawn back for each kind of blow, as the aim holds it.
ArmPose windUpArm(BlowKind kind);
void restoreOpponentArms();

// Both gloves raised in front of the face while the player guards.
void applyPlayerGuardArms();
void restorePlayerArms();
