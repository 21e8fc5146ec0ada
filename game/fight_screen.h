#pragma once

// The FightScreen: the player's view from inside the ring, the gloves in front of the eye,
// the opponent in the middle, the decor around it and the points in the top-left corner.

// Opponent 1 "Radov Eze", 2 "Radov Eze Black", 3 "Dida Vud"; decor 1 "Amical",
// 2 "Coupe Tavelin" (any other decor number gives "Amical").
void enterFightScreen(int opponent, int decor);

void fightDisplay();

// One tick: fightTick, with the challenge on what the player sees and hears of it, then the
// knock-out test and the redisplay.
void fightIdle();

struct EyePosition {
    double x, y, z;
};

// The player's eye: it turns with orbitAngle about the vertical axis through the ring centre
// and always looks at the point 3 units above it.
EyePosition fightEye();

// Multiplies the player's view onto the model-view matrix and returns the eye.
EyePosition applyFightCamera();

// Multiplies the frame of one glove's shoulder onto the model-view matrix: `side` units to
// the right of the eye (negative: left), below and ahead of it, turned with orbitAngle only,
// so the gloves stay level whatever the eye height and the side offset.
void applyGloveFrame(float side, const EyePosition& eye);

// Both gloves in front of the eye, each in its shoulder's frame.
void drawFightGloves(const EyePosition& eye);

// The opponent's model, turned to face the eye unless its turn is frozen.
void drawFacingOpponent();

inline constexpr float leftShoulderSide = -0.3f;
inline constexpr float rightShoulderSide = 0.3f;
