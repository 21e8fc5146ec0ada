#pragma once

#include "challenge/challenge_state.h"

// How each opponent boxes when the challenge is on: one row per opponent, in steps (60 a
// second), stamina points and units of opponentDistance.
//
// A blow goes: wind-up (the arm drawn back by its kind; the blow still follows the player),
// aim (the arm held fully drawn: the blow is committed, and the first answer the player gives
// decides it), blow (the arm thrown), then a recovery. The time to answer is aim + blow.

struct ChallengeStyle {
    int attackIntervalMin; // steps in its stance before it decides again
    int attackIntervalMax;
    int windUpSteps; // drawing the arm back: the kind of blow shows from the first steps
    int aimSteps;    // held fully drawn: committed
    int blowSteps;   // thrown, to the arrival
    int recoverSteps;
    int damage;  // stamina taken by a blow that lands (see the answers' table for the others)
    float reach; // the blow lands at this opponentDistance or closer; farther, it comes forward
    int advanceSteps; // the time it takes to come one step forward
    int kinds;        // which blows it throws: bit 1 << BlowKind
    int comboMin;     // blows in one attack
    int comboMax;
    int feintChance;       // percent of wind-ups that stop at the aim and go back, guarded
    int guardChance;       // percent, at each decision: it covers up instead of attacking
    int guardSteps;        // how long it stays covered
    int coverChance;       // percent, at each point it takes: it covers up at once
    int punishWait;        // a punch into its guard: it attacks within this many steps
    int windPerBlow;       // its own stamina spent by each blow thrown (0: it never tires)
    int tiredSteps;        // tired, it stands with its guard down this long
    int getUpPresses;      // presses to get up from the first knockdown
    int getUpPressesExtra; // more at each knockdown after it
};

// Opponent 1 "Radov Eze", 2 "Radov Eze Black", 3 "Dida Vud"; any other number gets the first.
const ChallengeStyle& challengeStyle(int opponent);

inline constexpr int kindBit(BlowKind kind) {
    return 1 << static_cast<int>(kind);
}

// The style at the level in effect (challengeLevel): its aim longer or shorter, its blows softer
// or harder.
int levelAimSteps(const ChallengeStyle& style);
int levelDamage(const ChallengeStyle& style);
