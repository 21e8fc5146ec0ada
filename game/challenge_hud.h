#pragma once

// What the fight shows over the scene with the challenge on, in text units (scaled as every
// text): the player's stamina and the opponent's remaining points as bars, the round and its
// clock, the red flash of a blow, the referee's count, and the score of the round at the rest.

// Bars, round and clock in one column in the top-right corner, their words in one print (a frame
// with them costs little more than one without); "POINT = n" stays the fight's own.
void drawChallengeHud();

// The whole view reddened, fading over the steps left in challenge.hitFlashSteps.
void drawHitFlash();

// The referee's number in large letters while the player is down, and how to get up with the
// player's own keys.
void printCountTexts();

// The first seconds of each fight's first round: how to guard, dodge each kind of blow, get up
// and counter, with the player's own keys.
bool fightHelpShown();
void printFightHelp();

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

// The size, at most `preferred`, at which `length` characters fit across the view.
int fittedTextSize(int preferred, int length);

// The opponent's name as the HUD writes it.
const char* challengeOpponentName();

// "m:ss" of a number of seconds.
void formatClock(char* text, int size, int seconds);

// Quads in text units over the whole view: no light, depth, texture or blending; filled even in
// the wireframe mode. Puts every state back.
void beginTextUnitQuads();
void endTextUnitQuads();
void fillTextUnitQuad(float x, float y, float width, float height);
