#pragma once

#include "game/state.h"

// The title screen's animation values, kept between visits so the animation goes on where
// it stopped.

extern int titleBlinkCounter; // idle steps since the prompt last changed, 0 to 20
extern Flag titleBlinkOn;     // the prompt is drawn when set
extern float titleSlide;      // horizontal offset of the four letters, scene units
extern Flag titleSlideOut;    // 1 while titleSlide grows
extern int titleRingSpin;     // degrees about the vertical axis

// Title steps since the last press: the title's idle counts them, every press starts them over
// (after 30 s of them the title plays its demo).
extern int titleStepsUntouched;

inline constexpr int titleBlinkSteps = 20; // the prompt changes every 21st step
inline constexpr double titleSlideStep = 0.01;
inline constexpr float titleSlideLimit = 0.5f;
inline constexpr int titleRingStep = 5;

// One step of the blink, the letters' sway and the ring's turn.
void advanceTitleAnimation();
