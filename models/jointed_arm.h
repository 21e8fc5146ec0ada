#pragma once

#include "game/state.h"
#include "models/palette.h"

// One bare arm ending in a boxing glove, hung from its shoulder joint at the current origin
// along -Y. The player's and the opponents' arms are the same shapes turned about different
// axes, so each side names its own axes here.

struct ArmAxes {
    float roll[3];
    float pitch[3];
    float yaw[3];
    float elbow[3];
    float wrist[3];
    float thumbX; // the thumb's side, seen from the fist centre
};

// Skin for the shoulder, upper arm, elbow and forearm; glove for the cuff, fist and thumb.
// Leaves the matrix as it found it and the glove as the current material.
void drawJointedArm(const ArmAxes& axes, const ArmPose& pose, const MaterialSet& skin,
                    const MaterialSet& glove);
