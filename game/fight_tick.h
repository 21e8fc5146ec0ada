#pragma once

// One step of the fight without the window: the sway, both punches with the hit rule, the
// bob, the side-step and, with the challenge on, its rules. The screen's idle wraps it.

enum class FightTickResult {
    goesOn,
    opponentOut,    // more than 40 points: the knock-out view
    challengeEnded, // the player's knock-out or a decision (the challenge only)
    playerDown,     // the count (the challenge only)
    resting,        // between two rounds (the challenge only)
};

FightTickResult fightTick();
