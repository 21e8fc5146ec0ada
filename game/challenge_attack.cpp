#include "game/challenge_attack.h"

#include "game/challenge_random.h"
#include "game/challenge_rules.h"
#include "game/challenge_style.h"

namespace {

// Where a state's length comes from: none (passed through at once) or the style's numbers.
enum class Span { none, interval, advance, windUp, aim, blow, recover, guard, feint, tired };

struct AttackStep {
    AttackPose pose;
    Span span;
    void (*action)(); // on entry; may choose the next state or change the length
    AttackState next;
};

constexpr float stepForward = 0.25f;
constexpr float closestDistance = 1.25f;

// Chosen by the actions of the states passed through at once (never kept past the step);
// timed states keep the table's.
AttackState nextState = AttackState::stance;

const ChallengeStyle& style() {
    return challengeStyle(fightOpponent);
}

bool inState(AttackState state) {
    return attackState == static_cast<int>(state);
}

void chooseBlow() {
    int kinds[static_cast<int>(BlowKind::count)];
    int count = 0;
    for (int kind = 0; kind < static_cast<int>(BlowKind::count); ++kind)
        if (style().kinds & (1 << kind))
            kinds[count++] = kind;
    blowKind = kinds[challengeRandomBetween(0, count - 1)];
    feinting = challengeChance(style().feintChance);
    if (feinting && blowsLeft == 0)
        blowsLeft = 1; // a feint leads into a real blow
}

void decideMove() {
    if (opponentDistance > style().reach) {
        nextState = AttackState::advance;
    } else if (style().windPerBlow > 0 && opponentWind <= 0) {
        nextState = AttackState::tired;
    } else if (challengeChance(style().guardChance)) {
        nextState = AttackState::guard;
    } else {
        blowsLeft = challengeRandomBetween(style().comboMin, style().comboMax) - 1;
        chooseBlow();
        nextState = AttackState::windUp;
    }
}

void comeForward() {
    if (opponentDistance > closestDistance)
        opponentDistance -= stepForward;
}

// The aim commits the blow; a feint holds it half as long as a blow, then goes back.
void takeAim() {
    if (feinting) {
        attackStepsTotal = (attackStepsTotal + 1) / 2;
        attackStepsLeft = attackStepsTotal;
        return;
    }
    blowAnswer = static_cast<int>(Dodge::none);
    // Until now the blow follows the player: a step back out of reach is made up with it.
    if (opponentDistance > style().reach)
        opponentDistance = style().reach;
}

void throwBlow() {
    opponentWind -= style().windPerBlow;
}

void strike() {
    lastBlowMissed = opponentBlowArrives(opponentBlowKind(), levelDamage(style())) ? 1 : 0;
}

void decideFollowUp() {
    // No more blows into a player already down or a round already over.
    if (challengePhase != static_cast<int>(ChallengePhase::fighting) || blowsLeft <= 0) {
        nextState = AttackState::stance;
        return;
    }
    --blowsLeft;
    chooseBlow();
    nextState = AttackState::windUp;
}

void getWindBack() {
    opponentWind = fullStamina;
}

constexpr AttackStep attackSteps[] = {
    {AttackPose::stance, Span::interval, nullptr, AttackState::decide},    // stance
    {AttackPose::stance, Span::none, decideMove, AttackState::windUp},     // decide
    {AttackPose::stance, Span::advance, comeForward, AttackState::decide}, // advance
    {AttackPose::drawnBack, Span::windUp, nullptr, AttackState::aim},      // windUp
    {AttackPose::drawnBack, Span::aim, takeAim, AttackState::blow},        // aim
    {AttackPose::extended, Span::blow, throwBlow, AttackState::strike},    // blow
    {AttackPose::extended, Span::none, strike, AttackState::recover},      // strike
    {AttackPose::stance, Span::recover, nullptr, AttackState::followUp},   // recover
    {AttackPose::stance, Span::none, decideFollowUp, AttackState::stance}, // followUp
    {AttackPose::covered, Span::guard, nullptr, AttackState::decide},      // guard
    {AttackPose::stance, Span::feint, nullptr, AttackState::followUp},     // feint
    {AttackPose::open, Span::tired, getWindBack, AttackState::stance},     // tired
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
    case Span::advance:
        return style().advanceSteps;
    case Span::windUp:
        return style().windUpSteps;
    case Span::aim:
        return levelAimSteps(style());
    case Span::blow:
        return style().blowSteps;
    case Span::recover:
        return style().recoverSteps;
    case Span::guard:
        return style().guardSteps;
    case Span::feint:
        return style().windUpSteps / 2;
    case Span::tired:
        return style().tiredSteps;
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
    blowsLeft = 0;
    feinting = 0;
    lastBlowMissed = 0;
    blowAnswer = static_cast<int>(Dodge::none);
    enterState(AttackState::stance);
}

void advanceOpponentAttack() {
    if (--attackStepsLeft > 0)
        return;
    // A feint's aim goes back instead of throwing.
    enterState(inState(AttackState::aim) && feinting ? AttackState::feint : step(attackState).next);
}

AttackPose opponentAttackPose() {
    if (opponentCountering())
        return AttackPose::open;
    return step(attackState).pose;
}

BlowKind opponentBlowKind() {
    return static_cast<BlowKind>(blowKind);
}

float opponentPoseProgress() {
    if (attackStepsTotal <= 1)
        return 1.0f;
    return static_cast<float>(attackStepsTotal - attackStepsLeft) /
           static_cast<float>(attackStepsTotal - 1);
}

void opponentTakesPoint() {
    if (inState(AttackState::recover) && challengeChance(style().coverChance))
        enterState(AttackState::guard);
}

void opponentPunchBlocked() {
    if (inState(AttackState::stance) && attackStepsLeft > style().punishWait)
        attackStepsLeft = style().punishWait;
}

void opponentCutsOff() {
    if ((inState(AttackState::advance) || inState(AttackState::stance)) &&
        opponentDistance > style().reach)
        attackStepsLeft = 1;
}

bool opponentOpen() {
    return opponentCountering() || inState(AttackState::tired);
}

bool opponentCountering() {
    return inState(AttackState::recover) && lastBlowMissed;
}

bool opponentGuarding() {
    return inState(AttackState::guard);
}

bool blowCommitted() {
    return (inState(AttackState::aim) && !feinting) || inState(AttackState::blow);
}
