#pragma once

#include "game/state.h"
#include "models/palette.h"

// The body of "Radov Eze", shared by every figure built on it: the three opponents and the
// club's spectators. Model space: +Y up, the figure faces +Z, its right side at -X; the head
// centre at (0, 3, 0) and the soles' undersides at y = 0.99.

// What a figure built on the body is made of. Hair and eyebrows take the set's own
// shininess; every other part is drawn with shininess 10.
struct FighterMaterials {
    const MaterialSet* skin; // head, neck, trunk, arms, legs
    const MaterialSet* gear; // gloves, shorts, boots
    const MaterialSet* hair; // hair and eyebrows
};

// The joint angles a body is drawn in, in degrees.
struct FighterPose {
    ArmPose rightArm; // the -X side
    ArmPose leftArm;  // the +X side
    float rightLegSpread;
    float leftLegSpread;
};

// The head centre above the model's origin, and the neck base below the head centre.
inline constexpr float fighterHeadHeight = 3.0f;
inline constexpr float fighterNeckDrop = 0.235f;

// The opponents' pose as it stands now (the shared opponent pose variables).
FighterPose currentOpponentPose();

// The whole body with its head centre at the current origin: head, neck, torso, arms,
// waistband and legs. Leaves the matrix as it found it and the gear as the current material.
void drawFighterBody(const FighterMaterials& materials, const FighterPose& pose);

// "Radov Eze" in the current opponent pose. Leaves blueMaterial current.
void drawBouleMan();

// The shared parts, each leaving the matrix as it found it.
// The head at the current origin (its centre): skull, ears, hair, eyebrows, eyes and nose.
void drawFighterHead(const MaterialSet& skin, const MaterialSet& hair = blackMaterial);
// The neck rising from the current origin (the neck base), in the current material.
void drawFighterNeck();
// An arm hanging from the shoulder joint at the current origin.
void drawOpponentRightArm(const ArmPose& pose, const MaterialSet& skin, const MaterialSet& gear);
void drawOpponentLeftArm(const ArmPose& pose, const MaterialSet& skin, const MaterialSet& gear);
// A straight leg hanging from the hip joint at the current origin.
void drawOpponentLeg(const MaterialSet& skin, const MaterialSet& gear);
// A leg at its hip joint, its foot swung outwards by `spread` degrees.
void drawOpponentRightLeg(float spread, const MaterialSet& skin, const MaterialSet& gear);
void drawOpponentLeftLeg(float spread, const MaterialSet& skin, const MaterialSet& gear);
