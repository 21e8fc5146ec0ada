#include "challenge/challenge_rules.h"

#include "challenge/challenge_attack.h"
#include "challenge/challenge_style.h"

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
    challenge.phase = static_cast<int>(phase);
}

bool inPhase(ChallengePhase phase) {
    return challenge.phase == static_cast<int>(phase);
}

// The dodge's commitment ends: a duck brings the eye back up.
void endDodge() {
    if (challenge.playerDodge == static_cast<int>(Dodge::duck))
        eyeHeight += duckDepth;
    challenge.playerDodge = static_cast<int>(Dodge::none);
    challenge.playerDodgeSteps = 0;
}

void spendStamina(int cost) {
    // The player's own work tires it but never knocks it down.
    challenge.playerStamina = std::max(1, challenge.playerStamina - cost);
}

void endFight(ChallengeWinner winner, ChallengeEnd how) {
    endDodge();
    setPhase(ChallengePhase::over);
    challenge.outcomeWinner = static_cast<int>(winner);
    challenge.outcomeHow = static_cast<int>(how);
    challenge.outcomeRound = challenge.round;
    challenge.outcomeStep = challenge.step;
    challenge.playerGuardSteps = 0;
    challengeEvents |= fightOverEvent;
}

// Takes the key's press and tells whether it is a fresh one, not an auto-repeat.
bool freshPress(int& lastPressStep) {
    const bool fresh = challenge.step - lastPressStep > repeatGap;
    lastPressStep = challenge.step;
    return fresh;
}

void startRound() {
    setPhase(ChallengePhase::fighting);
    challenge.roundClock = roundSteps;
    challenge.roundPointsLanded = 0;
    challenge.roundBlowsTaken = 0;
    challenge.roundBlowsGuarded = 0;
    challenge.roundStepsAway = 0;
    challenge.roundKnockdowns = 0;
    challenge.playerGuardSteps = 0;
    challenge.playerGuardRest = 0;
    challengeEvents |= bellEvent;
    resetOpponentAttack();
}

// The judges: the round goes to whoever made the fight, the player's points against the
// opponent's blows (blowWorth landed, one on the guard) and the player's time out of its
// reach; each knockdown costs the player one more.
void scoreRound() {
    const int playerWork = challenge.roundPointsLanded;
    const int opponentWork = challenge.roundBlowsTaken * blowWorth + challenge.roundBlowsGuarded +
                             challenge.roundStepsAway / awayStepsAPoint;
    int player = 10;
    int opponent = 10;
    if (playerWork > opponentWork)
        opponent = 9;
    else if (opponentWork > playerWork)
        player = 9;
    challenge.playerCard += player - challenge.roundKnockdowns;
    challenge.opponentCard += opponent;
}

void endRound() {
    endDodge();
    challengeEvents |= bellEvent;
    scoreRound();
    if (challenge.round >= challengeRounds) {
        const ChallengeWinner winner =
            challenge.playerCard > challenge.opponentCard   ? ChallengeWinner::player
            : challenge.opponentCard > challenge.playerCard ? ChallengeWinner::opponent
                                                            : ChallengeWinner::draw;
        endFight(winner, ChallengeEnd::decision);
        return;
    }
    setPhase(ChallengePhase::rest);
    challenge.roundClock = restSteps;
    challenge.playerGuardSteps = 0;
    challenge.playerStamina = std::min(fullStamina, challenge.playerStamina + restStamina);
}

void knockDown() {
    endDodge();
    ++challenge.knockdowns;
    ++challenge.roundKnockdowns;
    challengeEvents |= knockdownEvent;
    if (challenge.knockdowns >= knockdownsLost) {
        endFight(ChallengeWinner::opponent, ChallengeEnd::knockOut);
        return;
    }
    setPhase(ChallengePhase::playerDown);
    challenge.countNumber = 0;
    challenge.countStepsDone = 0;
    challenge.getUpPresses = 0;
    const ChallengeStyle& style = challengeStyle(fightOpponent);
    challenge.getUpPressesNeeded =
        style.getUpPresses + (challenge.knockdowns - 1) * style.getUpPressesExtra;
    challenge.lastGetUpSide = 0;
    challenge.playerGuardSteps = 0;
}

void getUpPress(PunchSide side) {
    if (static_cast<int>(side) == challenge.lastGetUpSide)
        return;
    challenge.lastGetUpSide = static_cast<int>(side);
    if (++challenge.getUpPresses < challenge.getUpPressesNeeded)
        return;
    setPhase(ChallengePhase::fighting);
    challenge.playerStamina = getUpStamina[std::min(challenge.knockdowns, 2) - 1];
    challengeEvents |= playerUpEvent;
    resetOpponentAttack();
}

void fightingStep() {
    if (fightPoints > knockOutPoints) {
        endFight(ChallengeWinner::player, ChallengeEnd::knockOut);
        return;
    }
    if (challenge.playerGuardSteps > 0 && --challenge.playerGuardSteps == 0)
        challenge.playerGuardRest = guardRestLength;
    else if (challenge.playerGuardRest > 0)
        --challenge.playerGuardRest;
    if (challenge.playerDodgeSteps > 0 && --challenge.playerDodgeSteps == 0)
        endDodge();
    if (++challenge.stepsSincePunch >= windBackAfter &&
        challenge.stepsSincePunch % windBackEvery == 0)
        challenge.playerStamina = std::min(fullStamina, challenge.playerStamina + 1);
    if (opponentDistance > challengeStyle(fightOpponent).reach)
        ++challenge.roundStepsAway;
    advanceOpponentAttack();
    if (inPhase(ChallengePhase::fighting) && --challenge.roundClock <= 0)
        endRound();
}

void countStep() {
    if (++challenge.countStepsDone % countSteps != 0)
        return;
    ++challenge.countNumber;
    challengeEvents |= countTickEvent;
    if (challenge.countNumber >= countOut)
        endFight(ChallengeWinner::opponent, ChallengeEnd::knockOut);
}

} // namespace

void startChallengeFight() {
    // Whole, so that nothing of the fight before carries over into this one.
    challenge = ChallengeState{};
    challenge.round = 1;
    challenge.playerStamina = fullStamina;
    challenge.lastLeftPressStep = neverPressed;
    challenge.lastRightPressStep = neverPressed;
    challenge.lastGuardPressStep = neverPressed;
    challenge.playerDodge = static_cast<int>(Dodge::none);
    challenge.opponentWind = fullStamina;
    challenge.outcomeWinner = static_cast<int>(ChallengeWinner::none);
    challenge.outcomeHow = static_cast<int>(ChallengeEnd::none);
    challengeEvents = 0;
    startRound();
}

void challengeTick() {
    if (inPhase(ChallengePhase::over))
        return;
    ++challenge.step;
    challenge.hitFlashSteps = std::max(0, challenge.hitFlashSteps - 1);
    challenge.hitJoltSteps = std::max(0, challenge.hitJoltSteps - 1);
    switch (static_cast<ChallengePhase>(challenge.phase)) {
    case ChallengePhase::fighting:
        fightingStep();
        break;
    case ChallengePhase::rest:
        if (--challenge.roundClock <= 0) {
            ++challenge.round;
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
    challenge.roundPointsLanded += points;
    challenge.totalPointsLanded += points;
    const bool wasStanding = fightPoints <= knockOutPoints;
    fightPoints += points;
    challengeEvents |= pointsScoredEvent;
    if (wasStanding && fightPoints > knockOutPoints)
        challengeEvents |= opponentDownEvent;
    opponentTakesPoint();
}

bool challengePunchPressed(PunchSide side) {
    const bool left = side == PunchSide::left;
    const bool fresh =
        freshPress(left ? challenge.lastLeftPressStep : challenge.lastRightPressStep);
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
        (leftPunchActive || rightPunchActive || challenge.stepsSincePunch < tiredPunchGap))
        return false;
    spendStamina(punchCost);
    challenge.stepsSincePunch = 0;
    return true;
}

void challengeGuardPressed() {
    if (freshPress(challenge.lastGuardPressStep) && inPhase(ChallengePhase::fighting) &&
        !challengePlayerGuarding() && !challengePlayerDodging() && challenge.playerGuardRest == 0)
        challenge.playerGuardSteps = playerGuardLength;
}

bool challengeDodgePressed(Dodge dodge) {
    if (!inPhase(ChallengePhase::fighting) || challengePlayerDodging() || challengePlayerGuarding())
        return false;
    challenge.playerDodge = static_cast<int>(dodge);
    challenge.playerDodgeSteps = dodgeLength;
    if (dodge == Dodge::duck)
        eyeHeight -= duckDepth;
    if (blowCommitted() && challenge.blowAnswer == static_cast<int>(Dodge::none))
        challenge.blowAnswer = static_cast<int>(dodge);
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
    const Dodge answer = static_cast<Dodge>(challenge.blowAnswer);
    if (answer == answerTo(kind)) {
        challengeEvents |= blowMissedEvent;
        return true;
    }
    if (challengePlayerGuarding()) {
        challenge.playerStamina -= damage * guardLeakPercent / 100;
        ++challenge.roundBlowsGuarded;
        challenge.hitJoltSteps = guardedJoltLength;
        challengeEvents |= blowGuardedEvent;
    } else {
        challenge.playerStamina -= answer == Dodge::none ? damage : damage * caughtPercent / 100;
        ++challenge.roundBlowsTaken;
        ++challenge.totalBlowsTaken;
        challenge.hitFlashSteps = flashLength;
        challenge.hitJoltSteps = joltLength;
        challengeEvents |= blowLandedEvent;
    }
    if (challenge.playerStamina <= 0) {
        challenge.playerStamina = 0;
        knockDown();
    }
    return false;
}

bool challengePlayerGuarding() {
    return challenge.playerGuardSteps > 0;
}

bool challengePlayerDodging() {
    return challenge.playerDodgeSteps > 0;
}

bool challengePlayerTired() {
    return challenge.playerStamina < tiredStamina;
}

bool challengeMovesAllowed() {
    return inPhase(ChallengePhase::fighting);
}

bool challengeOver() {
    return inPhase(ChallengePhase::over);
}

ChallengeOutcome challengeOutcome() {
    return {static_cast<ChallengeWinner>(challenge.outcomeWinner),
            static_cast<ChallengeEnd>(challenge.outcomeHow),
            challenge.outcomeRound,
            challenge.outcomeStep,
            challenge.playerCard,
            challenge.opponentCard,
            challenge.totalPointsLanded,
            challenge.totalBlowsTaken};
}

ChallengePhase currentChallengePhase() {
    return static_cast<ChallengePhase>(challenge.phase);
}

int opponentPointsLeft() {
    return std::max(0, knockOutPoints + 1 - fightPoints);
}

int challengeClockSeconds() {
    return (challenge.roundClock + challengeSecond - 1) / challengeSecond;
}

unsigned takeChallengeEvents() {
    const unsigned events = challengeEvents;
    challengeEvents = 0;
    return events;
}
