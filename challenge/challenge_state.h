#pragma once

#include "game/state.h"

// The challenge's variables: plain globals of program lifetime like the fight's, given their
// start values by startChallengeFight and advanced by challengeTick. With challengeOn 0 none
// of them is read or written and the fight is the one without the challenge.

extern Flag challengeOn;

// How much time the opponent leaves to answer and how hard it hits: nothing else changes. A
// session's (the settings, the command line) or its recording's.
enum class ChallengeLevel { easy, normal, hard, count };
extern int challengeLevel; // a ChallengeLevel

enum class ChallengePhase { fighting, rest, playerDown, over };

// The opponent's attack, one state at a time (see challenge_attack.h).
enum class AttackState {
    stance,
    decide,
    advance,
    windUp,
    aim,
    blow,
    strike,
    recover,
    followUp,
    guard,
    feint,
    tired,
    count
};

// What the drawing should pose the opponent's arms towards in each state: its guard, the arm
// drawn back or thrown (by the kind of blow), both fists over the face, or both arms down.
enum class AttackPose { stance, drawnBack, extended, covered, open };

// The player's answer to a blow: a dodge of one kind, chosen by the key.
enum class Dodge { none, slip, duck, stepBack };

enum class ChallengeWinner { none, player, opponent, draw };
// forfeit: the player left the fight with Escape before its end, a loss kept like the others.
enum class ChallengeEnd { none, knockOut, decision, forfeit };

// The kinds of blow, each with its own wind-up and its own answer: a straight is slipped by a
// side-step (or a circle), a hook ducked under with the eye's down key, an uppercut escaped by
// a step back. The guard softens any of them.
enum class BlowKind { straight, hook, uppercut, count };

struct ChallengeOutcome {
    ChallengeWinner winner;
    ChallengeEnd how;
    int round;
    int steps;       // fight steps from the first bell
    int playerScore; // the judges' cards of the rounds scored
    int opponentScore;
    int pointsLanded; // in the whole fight
    int blowsTaken;
};

// What the presentation turns into sounds and rumbles: set by the steps, taken by the screen.
enum ChallengeEvent : unsigned {
    blowLandedEvent = 1u << 0,
    blowGuardedEvent = 1u << 1,
    blowMissedEvent = 1u << 2,
    punchBlockedEvent = 1u << 3, // the player's punch into the opponent's guard
    countTickEvent = 1u << 4,
    knockdownEvent = 1u << 5,
    playerUpEvent = 1u << 6,
    bellEvent = 1u << 7,
    fightOverEvent = 1u << 8,
    pointsScoredEvent = 1u << 9,  // the player's punch landed
    opponentDownEvent = 1u << 10, // with the point that passed the threshold
};

inline constexpr int challengeSecond = 60; // steps
inline constexpr int fullStamina = 100;
inline constexpr int challengeRounds = 3;
inline constexpr int roundSteps = 90 * challengeSecond;
inline constexpr int restSteps = 5 * challengeSecond;
inline constexpr int countSteps = challengeSecond; // one number of the count
inline constexpr int countOut = 10;
inline constexpr int knockdownsLost = 3;

// Everything a challenge fight is at one step, one value: the checkpoints hash it whole and the
// demo saves it whole, so that a new variable cannot be left out of either. Every member is an
// int, so that the value has no padding and reads as its members in order.
struct ChallengeState {
    int phase;         // a ChallengePhase, kept as int for the checkpoints
    int round;         // 1 to 3
    int roundClock;    // steps left in the round, or in the rest
    int step;          // fight steps since the first bell
    int playerStamina; // 0 to fullStamina

    int attackState;     // an AttackState
    int attackStepsLeft; // in the current state
    int attackStepsTotal;
    int blowKind;         // a BlowKind: the blow being wound up or thrown
    int blowsLeft;        // in the current combination, after this one
    int feinting;         // this wind-up stops at the aim
    int blowAnswer;       // a Dodge: the first one since the aim, which decides the blow
    int lastBlowMissed;   // its recovery is open: a counter
    int opponentWind;     // its own stamina, 0 to fullStamina; at the bottom it tires
    int playerGuardSteps; // steps left with both gloves up
    int playerGuardRest;  // steps before the guard can go up again
    int playerDodge;      // a Dodge, while committed to it
    int playerDodgeSteps; // steps left committed: no punch, no other move
    int stepsSincePunch;  // stamina comes back only after a while without punching

    int knockdowns;
    int roundKnockdowns;
    int countNumber; // 0 to 10 while down
    int countStepsDone;
    int getUpPresses;
    int getUpPressesNeeded;
    int lastGetUpSide; // 0 none, 1 left, 2 right

    int lastLeftPressStep; // the step of each key's last press, for one press one punch
    int lastRightPressStep;
    int lastGuardPressStep;

    int hitFlashSteps; // drawing effects of a blow, counting down
    int hitJoltSteps;

    int roundPointsLanded;
    int roundBlowsTaken;
    int roundBlowsGuarded;
    int roundStepsAway; // out of the opponent's reach: the judges count it against the player
    int totalPointsLanded;
    int totalBlowsTaken;
    int playerCard; // the judges' scores of the rounds so far
    int opponentCard;

    // The outcome, kept as numbers for the checkpoints (see challengeOutcome()).
    int outcomeWinner; // a ChallengeWinner
    int outcomeHow;    // a ChallengeEnd
    int outcomeRound;
    int outcomeStep;
};

extern ChallengeState challenge;

// Not part of the state: the presentation empties it.
extern unsigned challengeEvents;
