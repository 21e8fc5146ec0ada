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

void setPhase(ChallengePhase phase) {
    challengePhase = static_cast<int>(phase);
}

bool inPhase(ChallengePhase phase) {
    return challengePhase == static_cast<int>(phase);
}

void endFight(ChallengeWinner winner, ChallengeEnd how) {
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
    roundKnockdowns = 0;
    playerGuardSteps = 0;
    challengeEvents |= bellEvent;
    resetOpponentAttack();
}

// The judges: the round goes to whoever did more, a blow landed counting blowWorth points and
// one on the guard one; each knockdown costs the player one more.
void scoreRound() {
    const int playerWork = roundPointsLanded;
    const int opponentWork = roundBlowsTaken * blowWorth + roundBlowsGuarded;
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
    if (playerGuardSteps > 0)
        --playerGuardSteps;
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

bool challengePunchLands() {
    return inPhase(ChallengePhase::fighting) &&
           static_cast<double>(opponentDistance) == scoringDistance && !opponentGuarding();
}

void challengeHitRule() {
    if (challengePunchLands()) {
        ++roundPointsLanded;
        ++totalPointsLanded;
        applyHitRule();
        opponentTakesPoint();
    } else if (static_cast<double>(opponentDistance) == scoringDistance && opponentGuarding()) {
        challengeEvents |= punchBlockedEvent;
    }
}

bool challengePunchPressed(PunchSide side) {
    const bool left = side == PunchSide::left;
    const bool fresh = freshPress(left ? lastLeftPressStep : lastRightPressStep);
    if (inPhase(ChallengePhase::playerDown)) {
        if (fresh)
            getUpPress(side);
        return false;
    }
    if (!inPhase(ChallengePhase::fighting) || challengePlayerGuarding())
        return false;
    return fresh && !(left ? leftPunchActive : rightPunchActive);
}

void challengeGuardPressed() {
    if (freshPress(lastGuardPressStep) && inPhase(ChallengePhase::fighting) &&
        !challengePlayerGuarding())
        playerGuardSteps = playerGuardLength;
}

void opponentBlowArrives(bool reachesPlayer, int damage) {
    if (!reachesPlayer) {
        challengeEvents |= blowMissedEvent;
        return;
    }
    if (challengePlayerGuarding()) {
        playerStamina -= damage / 4;
        ++roundBlowsGuarded;
        hitJoltSteps = guardedJoltLength;
        challengeEvents |= blowGuardedEvent;
    } else {
        playerStamina -= damage;
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
}

void challengeForfeit() {
    if (!inPhase(ChallengePhase::over))
        endFight(ChallengeWinner::opponent, ChallengeEnd::forfeit);
}

bool challengePlayerGuarding() {
    return playerGuardSteps > 0;
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
