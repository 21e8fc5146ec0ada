#include "game/fight_tick.h"

#include "game/challenge_rules.h"
#include "game/knockout.h"
#include "game/opponent_behaviour.h"
#include "game/punches.h"
#include "game/state.h"
#include "models/opponents.h"

namespace {

void hitRule() {
    if (challengeOn)
        challengeHitRule();
    else
        applyHitRule();
}

FightTickResult result() {
    if (knockedOut())
        return FightTickResult::opponentOut;
    return challengeOn && challengeOver() ? FightTickResult::challengeEnded
                                          : FightTickResult::goesOn;
}

} // namespace

FightTickResult fightTick() {
    // Once the challenge is over, nothing moves but the end's own view.
    if (challengeOn && challengeOver())
        return result();
    opponentSway(fightOpponent);
    if (advanceRightPunch())
        hitRule();
    if (advanceLeftPunch())
        hitRule();
    if (!leftPunchActive && !rightPunchActive)
        advanceStepBob();
    if (isKnownOpponent(fightOpponent))
        opponentSideStep();
    if (challengeOn)
        challengeTick();
    return result();
}
