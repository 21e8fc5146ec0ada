#pragma once

#include "game/challenge_state.h"

// The challenge's rules, without drawing: the opponent boxes back, the player has stamina,
// knockdowns with a count, three rounds with rests and a decision on points.
//
// One press, one punch: a punch key throws only when that arm is at rest and the same key was
// not pressed in the last repeatGap steps. A held key's auto-repeat (a press every 2 or 3
// steps) therefore throws its first punch and no more, and a recording, which holds presses
// stamped with steps but no releases, plays the same. The guard key and the presses that get
// a fallen player up follow the same rule.

inline constexpr int repeatGap = 5;          // steps; a tap per key every 6 steps still counts
inline constexpr int playerGuardLength = 30; // steps with both gloves up
inline constexpr int restStamina = 30;       // given back at each rest
inline constexpr int blowWorth = 3;          // a landed blow against a point, for the judges

// The rules' version, written in a recording's challenge line: a recording made under other
// rules plays differently, and the checker says so rather than a bare mismatch.
inline constexpr int challengeRulesVersion = 2;

enum class PunchSide { left = 1, right = 2 };

// Start values, at the start of each fight with the challenge on. The generator is not
// seeded here: a session seeds it once, and a recording carries the seed.
void startChallengeFight();

// One step, after the punches, the bob and the side-step.
void challengeTick();

// The hit rule with the challenge on: at the closest distance, with the opponent's guard down,
// during play. A punch into the guard scores nothing.
bool challengePunchLands();
void challengeHitRule();

// A punch key: true when the punch is thrown. While down it counts towards getting up when it
// alternates with the other key.
bool challengePunchPressed(PunchSide side);

// The guard key: both gloves up for playerGuardLength steps; no punch meanwhile, and a blow on
// the guard takes a quarter of its damage.
void challengeGuardPressed();

// From the opponent's attack, at the blow's arrival.
void opponentBlowArrives(bool reachesPlayer, int damage);

// Escape during the fight: a loss by forfeit, at the step it comes; nothing once it is over.
void challengeForfeit();

bool challengePlayerGuarding();
bool challengeMovesAllowed(); // steps and circling, only during play
bool challengeOver();
ChallengeOutcome challengeOutcome();

ChallengePhase currentChallengePhase();
int opponentPointsLeft();
int challengeClockSeconds(); // of the round, or of the rest

// The events since the last call, as ChallengeEvent bits.
unsigned takeChallengeEvents();
