#pragma once

// How each opponent boxes when the challenge is on: one row per opponent, in steps (60 a
// second), stamina points and units of opponentDistance.

struct ChallengeStyle {
    int attackIntervalMin; // steps in its stance before it decides again
    int attackIntervalMax;
    int windUpSteps; // the arm drawn back, readable: never under 18 (0.3 s)
    int blowSteps;   // from the wind-up to the blow's arrival
    int recoverSteps;
    int damage;            // stamina taken by a blow that lands; a quarter on the guard
    float reach;           // the blow lands at this opponentDistance or closer
    int doubleChance;      // percent: a second blow straight after the first
    int guardChance;       // percent, at each decision: it covers up instead of attacking
    int guardSteps;        // how long it stays covered
    int coverChance;       // percent, at each point it takes: it covers up at once
    int getUpPresses;      // presses to get up from the first knockdown
    int getUpPressesExtra; // more at each knockdown after it
};

// Opponent 1 "Radov Eze", 2 "Radov Eze Black", 3 "Dida Vud"; any other number gets the first.
const ChallengeStyle& challengeStyle(int opponent);
