#include "challenge/challenge_attack.h"

#include "challenge/challenge_random.h"
#include "challenge/challenge_rules.h"
#include "challenge/challenge_style.h"

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
    return challenge.attackState == static_cast<int>(state);
}

void chooseBlow() {
    int kinds[static_cast<int>(BlowKind::count)];
    int count = 0;
    for (int kind = 0; kind < static_cast<int>(BlowKind::count); ++kind)
        if (style().kinds & (1 << kind))
            kinds[count++] = kind;
    challenge.blowKind = kinds[challengeRandomBetween(0, count - 1)];
    challenge.feinting = challengeChance(style().feintChance);
    if (challenge.feinting && challenge.blowsLeft == 0)
        challenge.blowsLeft = 1; // a feint leads into a real blow
}

void decideMove() {
    if (opponentDistance > style().reach) {
        nextState = AttackState::advance;
    } else if (style().windPerBlow > 0 && challenge.opponentWind <= 0) {
        nextState = AttackState::tired;
    } else if (challengeChance(style().guardChance)) {
        nextState = AttackState::guard;
    } else {
        challenge.blowsLeft = challengeRandomBetween(style().comboMin, style().comboMax) - 1;
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
    if (challenge.feinting) {
        challenge.attackStepsTotal = (challenge.attackStepsTotal + 1) / 2;
        challenge.attackStepsLeft = challenge.attackStepsTotal;
        return;
    }
    challenge.blowAnswer = static_cast<int>(Dodge::none);
    // Until now the blow follows the player: a step back out of reach is made up with it.
    if (opponentDistance > style().reach)
        opponentDistance = style().reach;
}

void throwBlow() {
    challenge.opponentWind -= style().windPerBlow;
}

void strike() {
    challenge.lastBlowMissed =
        opponentBlowArrives(opponentBlowKind(), levelDamage(style())) ? 1 : 0;
}

void decideFollowUp() {
    // No more blows into a player already down or a round already over.
    if (challenge.phase != static_cast<int>(ChallengePhase::fighting) || challenge.blowsLeft <= 0) {
        nextState = AttackState::stance;
        return;
    }
    --challenge.blowsLeft;
    chooseBlow();
    nextState = AttackState::windUp;
}

void getWindBack() {
    challenge.opponentWind = fullStamina;
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
        challenge.attackState = static_cast<int>(state);
        nextState = entered.next;
        challenge.attackStepsTotal = spanSteps(entered.span);
        challenge.attackStepsLeft = challenge.attackStepsTotal;
        if (entered.action)
            entered.action();
        if (challenge.attackStepsLeft > 0)
            return;
        state = nextState;
    }
}

} // namespace

void resetOpponentAttack() {
    challenge.blowsLeft = 0;
    challenge.feinting = 0;
    challenge.lastBlowMissed = 0;
    challenge.blowAnswer = static_cast<int>(Dodge::none);
    enterState(AttackState::stance);
}

void advanceOpponentAttack() {
    if (--challenge.attackStepsLeft > 0)
        return;
    // A feint's aim goes back instead of throwing.
    enterState(inState(AttackState::aim) && challenge.feinting ? AttackState::feint
                                                               : step(challenge.attackState).next);
}

AttackPose opponentAttackPose() {
    if (opponentCountering())
        return AttackPose::open;
    return step(challenge.attackState).pose;
}

BlowKind opponentBlowKind() {
    return static_cast<BlowKind>(challenge.blowKind);
}

float opponentPoseProgress() {
    if (challenge.attackStepsTotal <= 1)
        return 1.0f;
    return static_cast<float>(challenge.attackStepsTotal - challenge.attackStepsLeft) /
           static_cast<float>(challenge.attackStepsTotal - 1);
}

void opponentTakesPoint() {
    if (inState(AttackState::recover) && challengeChance(style().coverChance))
        enterState(AttackState::guard);
}

void opponentPunchBlocked() {
    if (inState(AttackState::stance) && challenge.attackStepsLeft > style().punishWait)
        challenge.attackStepsLeft = style().punishWait;
}

void opponentCutsOff() {
    if ((inState(AttackState::advance) || inState(AttackState::stance)) &&
        opponentDistance > style().reach)
        challenge.attackStepsLeft = 1;
}

bool opponentOpen() {
    return opponentCountering() || inState(AttackState::tired);
}

bool opponentCountering() {
    return inState(AttackState::recover) && challenge.lastBlowMissed;
}

bool opponentGuarding() {
    return inState(AttackState::guard);
}

bool blowCommitted() {
    return (inState(AttackState::aim) && !challenge.feinting) || inState(AttackState::blow);
}
