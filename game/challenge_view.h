#pragma once

#include "game/fight_tick.h"

// The fight as the player sees and hears it with the challenge on; the fight screen hands over
// to it only then. Everything drawn follows from the steps (no clock): a recording shows the
// same frames.

// At the fight's start, after its start values.
void startChallengeView();

// After each fight tick: the sounds and rumbles of what happened, and the end's view.
void challengeAfterTick(FightTickResult result);

// The fight: the camera shaken by a blow, sunk to the canvas and tilted while down; the guard
// and the opponent's attack on the arms; the bars, the clock, the flash, the count, the rest.
void challengeFightDisplay();

// The end's view once the challenge is over (the opponent's knock-out keeps its own): the
// player's knock-out from the canvas, or the decision.
void challengeEndDisplay();
void playerKnockOutDisplay();
void decisionDisplay();

// How far the view has sunk to the canvas, 0 standing to 1 down.
float viewDownFraction();
