#include "game/fight_tick.h"

#include "challenge/challenge_rules.h"
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
    if (!challengeOn)
        return FightTickResult::goesOn;
    switch (currentChallengePhase()) {
    case ChallengePhase::over:
        return FightTickResult::challengeEnded;
    case ChallengePhase::playerDown:
        return FightTickResult::playerDown;
    case ChallengePhase::rest:
        return FightTickResult::resting;
    case ChallengePhase::fighting:
        break;
    }
    return FightTickResult::goesOn;
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
