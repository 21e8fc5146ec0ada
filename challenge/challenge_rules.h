#pragma once

#include "challenge/challenge_state.h"

// The challenge's rules, without drawing: the opponent boxes back, the player has stamina that
// blows, punches and dodges spend, knockdowns with a count, three rounds with rests and a
// decision on points.
//
// One press, one punch: a punch key throws only when that arm is at rest and the same key was
// not pressed in the last repeatGap steps (the game does not see a held key's repeat with the
// challenge on; this is the rule's own guard). The guard key and the presses that get a fallen
// player up follow the same rule.

// The rules' version, written in a recording's challenge line: a recording made under other
// rules plays differently, and the checker says so rather than a bare mismatch.
inline constexpr int challengeRulesVersion = 2;

inline constexpr int repeatGap = 5;          // steps; a tap per key every 6 steps still counts
inline constexpr int playerGuardLength = 40; // steps with both gloves up
inline constexpr int guardRestLength = 30;   // steps before it can go up again
inline constexpr int dodgeLength = 16;       // steps committed to a dodge
inline constexpr int restStamina = 30;       // given back at each rest
inline constexpr int tiredStamina = 30;      // below it punches are slower and weaker
inline constexpr float duckDepth = 0.5f;     // the eye's dip under a hook

enum class PunchSide { left = 1, right = 2 };

// The answer that makes each kind of blow miss.
constexpr Dodge answerTo(BlowKind kind) {
    return kind == BlowKind::straight ? Dodge::slip
           : kind == BlowKind::hook   ? Dodge::duck
                                      : Dodge::stepBack;
}

// Start values, at the start of each fight with the challenge on. The generator is not
// seeded here: a session seeds it once, and a recording carries the seed.
void startChallengeFight();

// One step, after the punches, the bob and the side-step.
void challengeTick();

// The hit rule with the challenge on, at the closest distance during play: into an open
// opponent it scores (more for a counter, less when tired); into its guard it scores nothing
// and costs the player stamina.
void challengeHitRule();

// A punch key: true when the punch is thrown. While down it counts towards getting up when it
// alternates with the other key.
bool challengePunchPressed(PunchSide side);

// The guard key: both gloves up for playerGuardLength steps; no punch meanwhile, and a blow on
// it lets part of its damage through. It cannot go up again at once.
void challengeGuardPressed();

// A dodging move (a side-step or a circle, the eye's down key, a step back): true when the
// player may make it. It commits the player for dodgeLength steps; made while a blow is
// aimed or thrown, the first one answers it.
bool challengeDodgePressed(Dodge dodge);

// A step in: not while committed to a dodge, only during play.
bool challengeStepInAllowed();

// Escape during the fight: a loss by forfeit, at the step it comes; nothing once it is over.
void challengeForfeit();

// From the opponent's attack, at the blow's arrival: true when the player's answer made it
// miss (its recovery is then open to a counter).
bool opponentBlowArrives(BlowKind kind, int damage);

bool challengePlayerGuarding();
bool challengePlayerDodging();
bool challengePlayerTired();
bool challengeMovesAllowed(); // during play
bool challengeOver();
ChallengeOutcome challengeOutcome();

ChallengePhase currentChallengePhase();
int opponentPointsLeft();
int challengeClockSeconds(); // of the round, or of the rest

// The events since the last call, as ChallengeEvent bits.
unsigned takeChallengeEvents();
