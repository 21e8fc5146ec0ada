#include "game/challenge_state.h"

Flag challengeOn = 0;
int challengeLevel = static_cast<int>(ChallengeLevel::normal);

int challengePhase = 0;
int challengeRound = 0;
int roundClock = 0;
int challengeStep = 0;
int playerStamina = 0;

int attackState = 0;
int attackStepsLeft = 0;
int attackStepsTotal = 0;
int blowKind = 0;
int blowsLeft = 0;
Flag feinting = 0;
int blowAnswer = 0;
Flag lastBlowMissed = 0;
int opponentWind = 0;
int playerGuardSteps = 0;
int playerGuardRest = 0;
int playerDodge = 0;
int playerDodgeSteps = 0;
int stepsSincePunch = 0;

int knockdowns = 0;
int roundKnockdowns = 0;
int countNumber = 0;
int countStepsDone = 0;
int getUpPresses = 0;
int getUpPressesNeeded = 0;
int lastGetUpSide = 0;

int lastLeftPressStep = 0;
int lastRightPressStep = 0;
int lastGuardPressStep = 0;

int hitFlashSteps = 0;
int hitJoltSteps = 0;

int roundPointsLanded = 0;
int roundBlowsTaken = 0;
int roundBlowsGuarded = 0;
int roundStepsAway = 0;
int totalPointsLanded = 0;
int totalBlowsTaken = 0;
int playerCard = 0;
int opponentCard = 0;

int outcomeWinner = 0;
int outcomeHow = 0;
int outcomeRound = 0;
int outcomeStep = 0;

unsigned challengeEvents = 0;
