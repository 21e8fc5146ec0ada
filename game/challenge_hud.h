#pragma once

// What the fight shows over the scene with the challenge on, in text units (scaled as every
// text): the player's stamina and the opponent's remaining points as bars, the round and its
// clock, the red flash of a blow, the referee's count, and the score of the round at the rest.

// Bars, round and clock in one column in the top-right corner, their words in one print (a frame
// with them costs little more than one without); "POINT = n" stays the fight's own.
void drawChallengeHud();

// The whole view reddened, fading over the steps left in hitFlashSteps.
void drawHitFlash();

// The referee's number in large letters while the player is down, and how to get up.
void printCountTexts();

// Between rounds: the round's points landed and blows taken, the next round's number.
void printRestTexts();

inline constexpr float hudYellow[3] = {1.0f, 1.0f, 0.0f};
inline constexpr float hudWhite[3] = {1.0f, 1.0f, 1.0f};
inline constexpr float hudBlack[3] = {0.0f, 0.0f, 0.0f};
inline constexpr float hudBlue[3] = {0.0f, 0.0f, 1.0f};
inline constexpr float hudRed[3] = {1.0f, 0.1f, 0.1f};

// One text centred across the view, in the size and colours given (the shadow's last).
void printCentredStyled(int y, int size, const float colour[3], const float shadow[3],
                        const char* text);

// "m:ss" of a number of seconds.
void formatClock(char* text, int size, int seconds);

// Quads in text units over the whole view: no light, depth, texture or blending; filled even in
// the wireframe mode. Puts every state back.
void beginTextUnitQuads();
void endTextUnitQuads();
void fillTextUnitQuad(float x, float y, float width, float height);
