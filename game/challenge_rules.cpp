#include "game/challenge_rules.h"

#include "game/challenge_attack.h"
#include "game/challenge_style.h"
#include "game/knockout.h"

#include <algorithm>

namespace {

constexpr double scoringDistance = 1.25;
constexpr int neverPressed = -1000;
constexpr int getUpStamina[] = {50, 35}; // after the first and the second knockdown
constexpr int flashLength = 12;
constexpr int joltLength = 10;
constexpr int guardedJoltLength = 4;

// What a blow does by the player's answer, in percent of its damage.
constexpr int guardLeakPercent = 35; // through the guard
constexpr int caughtPercent = 150;   // the wrong dodge walks into it

// Stamina spent by the player's own work, and given back while it does not punch.
constexpr int punchCost = 1;
constexpr int blockedPunchCost = 3; // more, for a punch into the guard
constexpr int dodgeCost = 2;
constexpr int windBackAfter = 60; // steps without a punch before stamina comes back
constexpr int windBackEvery = 30; // then one point every so many steps
constexpr int tiredPunchGap = 24; // steps between a tired player's punches

// A punch's worth in points against the opponent's 41.
constexpr int cleanPoints = 2;
constexpr int counterPoints = 3;
constexpr int tiredPointsLess = 1;

// The judges: a blow landed against a point, and the steps out of reach worth one.
constexpr int blowWorth = 3;
constexpr int awayStepsAPoint = challengeSecond;

void setPhase(ChallengePhase phase) {
    challengePhase = static_cast<int>(phase);
}

bool inPhase(ChallengePhase phase) {
    return challengePhase == static_cast<int>(phase);
}

// The dodge's commitment ends: a duck brings the eye back up.
void endDodge() {
    if (playerDodge == static_cast<int>(Dodge::duck))
        eyeHeight += duckDepth;
    playerDodge = static_cast<int>(Dodge::none);
    playerDodgeSteps = 0;
}

void spendStamina(int cost) {
    // The player's own work tires it but never knocks it down.
    playerStamina = std::max(1, playerStamina - cost);
}

void endFight(ChallengeWinner winner, ChallengeEnd how) {
    endDodge();
    setPhase(ChallengePhase::over);
    outcomeWinner = static_cast<int>(winner);
    outcomeHow = static_cast<int>(how);
    outcomeRound = challengeRound;
    outcomeStep = challengeStep;
    playerGuardSteps = 0;
    challengeEvents |= fightOverEvent;
}

// Takes the key's press and tells whether it is a fresh one, not an auto-repeat.
bool freshPress(int& lastPressStep) {
    const bool fresh = challengeStep - lastPressStep > repeatGap;
    lastPressStep = challengeStep;
    return fresh;
}

void startRound() {
    setPhase(ChallengePhase::fighting);
    roundClock = roundSteps;
    roundPointsLanded = 0;
    roundBlowsTaken = 0;
    roundBlowsGuarded = 0;
    roundStepsAway = 0;
    roundKnockdowns = 0;
    playerGuardSteps = 0;
    playerGuardRest = 0;
    challengeEvents |= bellEvent;
    resetOpponentAttack();
}

// The judges: the round goes to whoever made the fight, the player's points against the
// opponent's blows (blowWorth landed, one on the guard) and the player's time out of its
// reach; each knockdown costs the player one more.
void scoreRound() {
    const int playerWork = roundPointsLanded;
    const int opponentWork =
        roundBlowsTaken * blowWorth + roundBlowsGuarded + roundStepsAway / awayStepsAPoint;
    int player = 10;
    int opponent = 10;
    if (playerWork > opponentWork)
        opponent = 9;
    else if (opponentWork > playerWork)
        player = 9;
    playerCard += player - roundKnockdowns;
    opponentCard += opponent;
}

void endRound() {
    endDodge();
    challengeEvents |= bellEvent;
    scoreRound();
    if (challengeRound >= challengeRounds) {
        const ChallengeWinner winner = playerCard > opponentCard   ? ChallengeWinner::player
                                       : opponentCard > playerCard ? ChallengeWinner::opponent
                                                                   : ChallengeWinner::draw;
        endFight(winner, ChallengeEnd::decision);
        return;
    }
    setPhase(ChallengePhase::rest);
    roundClock = restSteps;
    playerGuardSteps = 0;
    playerStamina = std::min(fullStamina, playerStamina + restStamina);
}

void knockDown() {
    endDodge();
    ++knockdowns;
    ++roundKnockdowns;
    challengeEvents |= knockdownEvent;
    if (knockdowns >= knockdownsLost) {
        endFight(ChallengeWinner::opponent, ChallengeEnd::knockOut);
        return;
    }
    setPhase(ChallengePhase::playerDown);
    countNumber = 0;
    countStepsDone = 0;
    getUpPresses = 0;
    const ChallengeStyle& style = challengeStyle(fightOpponent);
    getUpPressesNeeded = style.getUpPresses + (knockdowns - 1) * style.getUpPressesExtra;
    lastGetUpSide = 0;
    playerGuardSteps = 0;
}

void getUpPress(PunchSide side) {
    if (static_cast<int>(side) == lastGetUpSide)
        return;
    lastGetUpSide = static_cast<int>(side);
    if (++getUpPresses < getUpPressesNeeded)
        return;
    setPhase(ChallengePhase::fighting);
    playerStamina = getUpStamina[std::min(knockdowns, 2) - 1];
    challengeEvents |= playerUpEvent;
    resetOpponentAttack();
}

void fightingStep() {
    if (knockedOut()) {
        endFight(ChallengeWinner::player, ChallengeEnd::knockOut);
        return;
    }
    if (playerGuardSteps > 0 && --playerGuardSteps == 0)
        playerGuardRest = guardRestLength;
    else if (playerGuardRest > 0)
        --playerGuardRest;
    if (playerDodgeSteps > 0 && --playerDodgeSteps == 0)
        endDodge();
    if (++stepsSincePunch >= windBackAfter && stepsSincePunch % windBackEvery == 0)
        playerStamina = std::min(fullStamina, playerStamina + 1);
    if (opponentDistance > challengeStyle(fightOpponent).reach)
        ++roundStepsAway;
    advanceOpponentAttack();
    if (inPhase(ChallengePhase::fighting) && --roundClock <= 0)
        endRound();
}

void countStep() {
    if (++countStepsDone % countSteps != 0)
        return;
    ++countNumber;
    challengeEvents |= countTickEvent;
    if (countNumber >= countOut)
        endFight(ChallengeWinner::opponent, ChallengeEnd::knockOut);
}

} // namespace

void startChallengeFight() {
    challengeRound = 1;
    challengeStep = 0;
    playerStamina = fullStamina;
    knockdowns = 0;
    countNumber = 0;
    countStepsDone = 0;
    getUpPresses = 0;
    getUpPressesNeeded = 0;
    lastGetUpSide = 0;
    lastLeftPressStep = neverPressed;
    lastRightPressStep = neverPressed;
    lastGuardPressStep = neverPressed;
    playerGuardRest = 0;
    playerDodge = static_cast<int>(Dodge::none);
    playerDodgeSteps = 0;
    stepsSincePunch = 0;
    opponentWind = fullStamina;
    hitFlashSteps = 0;
    hitJoltSteps = 0;
    totalPointsLanded = 0;
    totalBlowsTaken = 0;
    playerCard = 0;
    opponentCard = 0;
    outcomeWinner = static_cast<int>(ChallengeWinner::none);
    outcomeHow = static_cast<int>(ChallengeEnd::none);
    outcomeRound = 0;
    outcomeStep = 0;
    challengeEvents = 0;
    startRound();
}

void challengeTick() {
    if (inPhase(ChallengePhase::over))
        return;
    ++challengeStep;
    hitFlashSteps = std::max(0, hitFlashSteps - 1);
    hitJoltSteps = std::max(0, hitJoltSteps - 1);
    switch (static_cast<ChallengePhase>(challengePhase)) {
    case ChallengePhase::fighting:
        fightingStep();
        break;
    case ChallengePhase::rest:
        if (--roundClock <= 0) {
            ++challengeRound;
            startRound();
        }
        break;
    case ChallengePhase::playerDown:
        countStep();
        break;
    case ChallengePhase::over:
        break;
    }
}

void challengeHitRule() {
    if (!inPhase(ChallengePhase::fighting) ||
        static_cast<double>(opponentDistance) != scoringDistance)
        return;
    if (!opponentOpen()) {
        spendStamina(blockedPunchCost);
        challengeEvents |= punchBlockedEvent;
        opponentPunchBlocked();
        return;
    }
    int points = opponentCountering() ? counterPoints : cleanPoints;
    if (challengePlayerTired())
        points -= tiredPointsLess;
    roundPointsLanded += points;
    totalPointsLanded += points;
    scorePoints(points);
    opponentTakesPoint();
}

bool challengePunchPressed(PunchSide side) {
    const bool left = side == PunchSide::left;
    const bool fresh = freshPress(left ? lastLeftPressStep : lastRightPressStep);
    if (inPhase(ChallengePhase::playerDown)) {
        if (fresh)
            getUpPress(side);
        return false;
    }
    if (!fresh || !inPhase(ChallengePhase::fighting) || challengePlayerGuarding() ||
        challengePlayerDodging() || (left ? leftPunchActive : rightPunchActive))
        return false;
    // Tired, one arm at a time and a breath between them.
    if (challengePlayerTired() &&
        (leftPunchActive || rightPunchActive || stepsSincePunch < tiredPunchGap))
        return false;
    spendStamina(punchCost);
    stepsSincePunch = 0;
    return true;
}

void challengeGuardPressed() {
    if (freshPress(lastGuardPressStep) && inPhase(ChallengePhase::fighting) &&
        !challengePlayerGuarding() && !challengePlayerDodging() && playerGuardRest == 0)
        playerGuardSteps = playerGuardLength;
}

bool challengeDodgePressed(Dodge dodge) {
    if (!inPhase(ChallengePhase::fighting) || challengePlayerDodging() || challengePlayerGuarding())
        return false;
    playerDodge = static_cast<int>(dodge);
    playerDodgeSteps = dodgeLength;
    if (dodge == Dodge::duck)
        eyeHeight -= duckDepth;
    if (blowCommitted() && blowAnswer == static_cast<int>(Dodge::none))
        blowAnswer = static_cast<int>(dodge);
    spendStamina(dodgeCost);
    return true;
}

bool challengeStepInAllowed() {
    return inPhase(ChallengePhase::fighting) && !challengePlayerDodging();
}

void challengeForfeit() {
    if (!inPhase(ChallengePhase::over))
        endFight(ChallengeWinner::opponent, ChallengeEnd::forfeit);
}

bool opponentBlowArrives(BlowKind kind, int damage) {
    const Dodge answer = static_cast<Dodge>(blowAnswer);
    if (answer == answerTo(kind)) {
        challengeEvents |= blowMissedEvent;
        return true;
    }
    if (challengePlayerGuarding()) {
        playerStamina -= damage * guardLeakPercent / 100;
        ++roundBlowsGuarded;
        hitJoltSteps = guardedJoltLength;
        challengeEvents |= blowGuardedEvent;
    } else {
        playerStamina -= answer == Dodge::none ? damage : damage * caughtPercent / 100;
        ++roundBlowsTaken;
        ++totalBlowsTaken;
        hitFlashSteps = flashLength;
        hitJoltSteps = joltLength;
        challengeEvents |= blowLandedEvent;
    }
    if (playerStamina <= 0) {
        playerStamina = 0;
        knockDown();
    }
    return false;
}

bool challengePlayerGuarding() {
    return playerGuardSteps > 0;
}

bool challengePlayerDodging() {
    return playerDodgeSteps > 0;
}

bool challengePlayerTired() {
    return playerStamina < tiredStamina;
}

bool challengeMovesAllowed() {
    return inPhase(ChallengePhase::fighting);
}

bool challengeOver() {
    return inPhase(ChallengePhase::over);
}

ChallengeOutcome challengeOutcome() {
    return {static_cast<ChallengeWinner>(outcomeWinner),
            static_cast<ChallengeEnd>(outcomeHow),
            outcomeRound,
            outcomeStep,
            playerCard,
            opponentCard,
            totalPointsLanded,
            totalBlowsTaken};
}

ChallengePhase currentChallengePhase() {
    return static_cast<ChallengePhase>(challengePhase);
}

int opponentPointsLeft() {
    return std::max(0, knockOutPoints + 1 - fightPoints);
}

int challengeClockSeconds() {
    return (roundClock + challengeSecond - 1) / challengeSecond;
}

unsigned takeChallengeEvents() {
    const unsigned events = challengeEvents;
    challengeEvents = 0;
    return events;
}
