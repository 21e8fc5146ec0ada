#include "game/challenge_attack.h"

#include "game/challenge_random.h"
#include "game/challenge_rules.h"
#include "game/challenge_style.h"

namespace {

// Where a state's length comes from: none (passed through at once) or the style's numbers.
enum class Span { none, interval, windUp, blow, recover, guard };

struct AttackStep {
    AttackPose pose;
    Span span;
    void (*action)(); // on entry; may choose the next state
    AttackState next;
};

// Chosen by the actions of the states passed through at once; timed states keep the table's.
AttackState nextState = AttackState::stance;

const ChallengeStyle& style() {
    return challengeStyle(fightOpponent);
}

void decideMove() {
    nextState = challengeChance(style().guardChance) ? AttackState::guard : AttackState::windUp;
}

void markWindUp() {
    windUpOrbitAngle = orbitAngle;
    windUpSideOffset = sideOffset;
}

// The blow is aimed as the wind-up ends: a player who moves later is hit all the same.
void aimBlow() {
    blowOnTarget = blowReachesPlayer();
}

void strike() {
    opponentBlowArrives(blowOnTarget, style().damage);
}

void decideFollowUp() {
    // No second blow into a player already down or a round already over.
    const bool again = challengePhase == static_cast<int>(ChallengePhase::fighting) &&
                       challengeChance(style().doubleChance);
    nextState = again ? AttackState::windUp : AttackState::stance;
}

constexpr AttackStep attackSteps[] = {
    {AttackPose::stance, Span::interval, nullptr, AttackState::decide},    // stance
    {AttackPose::stance, Span::none, decideMove, AttackState::windUp},     // decide
    {AttackPose::drawnBack, Span::windUp, markWindUp, AttackState::blow},  // windUp
    {AttackPose::extended, Span::blow, aimBlow, AttackState::strike},      // blow
    {AttackPose::extended, Span::none, strike, AttackState::recover},      // strike
    {AttackPose::stance, Span::recover, nullptr, AttackState::followUp},   // recover
    {AttackPose::stance, Span::none, decideFollowUp, AttackState::stance}, // followUp
    {AttackPose::covered, Span::guard, nullptr, AttackState::decide},      // guard
};
static_assert(sizeof attackSteps / sizeof attackSteps[0] == static_cast<int>(AttackState::count),
              "one row per attack state");

const AttackStep& step(int state) {
    return attackSteps[state];
}

int spanSteps(Span span) {
    switch (span) {
    case Span::interval:
        return challengeRandomBetween(style().attackIntervalMin, style().attackIntervalMax);
    case Span::windUp:
        return style().windUpSteps;
    case Span::blow:
        return style().blowSteps;
    case Span::recover:
        return style().recoverSteps;
    case Span::guard:
        return style().guardSteps;
    case Span::none:
        break;
    }
    return 0;
}

// States of no length are passed through in the same step; the table has no loop of them.
void enterState(AttackState state) {
    for (;;) {
        const AttackStep& entered = step(static_cast<int>(state));
        attackState = static_cast<int>(state);
        nextState = entered.next;
        attackStepsTotal = spanSteps(entered.span);
        attackStepsLeft = attackStepsTotal;
        if (entered.action)
            entered.action();
        if (attackStepsLeft > 0)
            return;
        state = nextState;
    }
}

} // namespace

void resetOpponentAttack() {
    enterState(AttackState::stance);
}

void advanceOpponentAttack() {
    if (--attackStepsLeft > 0)
        return;
    enterState(step(attackState).next);
}

AttackPose opponentAttackPose() {
    return step(attackState).pose;
}

float opponentPoseProgress() {
    if (attackStepsTotal <= 1)
        return 1.0f;
    return static_cast<float>(attackStepsTotal - attackStepsLeft) /
           static_cast<float>(attackStepsTotal - 1);
}

void opponentTakesPoint() {
    const bool open = attackState == static_cast<int>(AttackState::stance) ||
                      attackState == static_cast<int>(AttackState::recover);
    if (open && challengeChance(style().coverChance))
        enterState(AttackState::guard);
}

bool opponentGuarding() {
    return attackState == static_cast<int>(AttackState::guard);
}

bool opponentWindingUp() {
    return attackState == static_cast<int>(AttackState::windUp);
}

bool blowReachesPlayer() {
    return opponentDistance <= style().reach && orbitAngle == windUpOrbitAngle &&
           sideOffset == windUpSideOffset;
}
