// The challenge's rules through the fight's own tick and actions.
#include "challenge/challenge_attack.h"
#include "challenge/challenge_random.h"
#include "challenge/challenge_rules.h"
#include "challenge/challenge_style.h"
#include "game/controls.h"
#include "game/fight_tick.h"
#include "game/state.h"
#include "replay/game_state.h"
#include "sound/sound.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int opponents[] = {radovEze, radovEzeBlack, didaVud};

class Challenge : public testing::Test {
  protected:
    void SetUp() override { start(radovEze); }
    void TearDown() override { challengeOn = 0; }

    void start(int opponent) {
        challengeOn = 1;
        seedChallengeRandom(4242);
        fightOpponent = opponent;
        fightDecor = friendlyDecor;
        setFightStartValues();
        takeChallengeEvents();
    }
    static unsigned ticks(int count) {
        unsigned events = 0;
        for (int i = 0; i < count; ++i) {
            fightTick();
            events |= takeChallengeEvents();
        }
        return events;
    }
    static void untilState(AttackState state) {
        for (int i = 0; i < 20000 && challenge.attackState != static_cast<int>(state); ++i)
            fightTick();
        ASSERT_EQ(challenge.attackState, static_cast<int>(state));
    }
    // Keeps the opponent in its stance, open, for the rest of the round.
    static void freezeOpponent() {
        challenge.attackState = static_cast<int>(AttackState::stance);
        challenge.attackStepsLeft = roundSteps;
    }
    // Straight there: the keys would be dodges, one at a time.
    static void stepTo(float distance) { opponentDistance = distance; }
    // The blow of the next wind-up, the player doing `dodge` in the middle of it.
    static unsigned nextBlow(void (*dodge)()) {
        untilState(AttackState::windUp);
        const int half = challengeStyle(fightOpponent).windUpSteps / 2;
        unsigned events = ticks(half);
        if (dodge)
            dodge();
        takeChallengeEvents();
        for (int i = 0;
             i < 200 &&
             !(events & (blowLandedEvent | blowMissedEvent | blowGuardedEvent | knockdownEvent));
             ++i)
            events |= ticks(1);
        return events;
    }
};

} // namespace

// Every kind of blow against every answer: nothing, the right dodge once the arm is held
// (aimed), the right dodge too early (the blow follows), the wrong dodge, the guard.
TEST_F(Challenge, TheFirstAnswerOnceTheBlowIsAimedDecidesIt) {
    enum Answer { none, right, early, wrong, guard };
    struct Case {
        Answer answer;
        unsigned event;
        int damagePercent; // of the style's damage
        int spent;         // the player's own stamina for the answer
        bool counter;
    };
    constexpr Case cases[] = {
        {none, blowLandedEvent, 100, 0, false},  {right, blowMissedEvent, 0, 2, true},
        {early, blowLandedEvent, 100, 2, false}, {wrong, blowLandedEvent, 150, 2, false},
        {guard, blowGuardedEvent, 35, 0, false},
    };
    const Action answers[] = {Action::sideLeft, Action::eyeDown, Action::stepBack};
    for (int opponent : opponents)
        for (int kind = 0; kind < static_cast<int>(BlowKind::count); ++kind)
            for (const Case& c : cases) {
                start(opponent);
                const ChallengeStyle& style = challengeStyle(opponent);
                const std::string where = std::to_string(opponent) + " kind " +
                                          std::to_string(kind) + " case " +
                                          std::to_string(c.answer);
                untilState(AttackState::windUp);
                challenge.stepsSincePunch = 0; // no stamina back while it is measured
                challenge.blowKind = kind;
                challenge.feinting = 0;
                EXPECT_EQ(opponentAttackPose(), AttackPose::drawnBack);
                ticks(style.windUpSteps / 2);
                if (c.answer == early)
                    applyFightAction(answers[kind]);
                untilState(AttackState::aim);
                EXPECT_TRUE(blowCommitted());
                ticks(2);
                if (c.answer == right)
                    applyFightAction(answers[kind]);
                if (c.answer == wrong)
                    applyFightAction(answers[(kind + 1) % 3]);
                if (c.answer == guard)
                    challengeGuardPressed();
                const int before = challenge.playerStamina;
                challenge.stepsSincePunch = 0;
                unsigned events = 0;
                for (int i = 0;
                     i < 100 && !(events & (blowLandedEvent | blowMissedEvent | blowGuardedEvent));
                     ++i)
                    events |= ticks(1);
                EXPECT_TRUE(events & c.event) << where;
                EXPECT_EQ(before - challenge.playerStamina, style.damage * c.damagePercent / 100)
                    << where;
                EXPECT_EQ(fullStamina - before, c.spent) << where;
                ticks(1);
                EXPECT_EQ(opponentCountering(), c.counter) << where;
                EXPECT_EQ(opponentAttackPose() == AttackPose::open, c.counter) << where;
            }
}

// A dodge commits the player: no punch, no other move, the eye's dip back by itself; the
// guard comes down by itself and cannot go up again at once.
TEST_F(Challenge, DodgesAndTheGuardCommitThePlayer) {
    stepTo(1.25f);
    freezeOpponent();
    const float eye = eyeHeight;
    applyFightAction(Action::eyeDown);
    EXPECT_EQ(eyeHeight, eye - duckDepth);
    applyFightAction(Action::leftPunch);
    applyFightAction(Action::stepBack);
    EXPECT_FALSE(leftPunchActive);
    EXPECT_EQ(opponentDistance, 1.25f);
    ticks(dodgeLength);
    EXPECT_EQ(eyeHeight, eye);
    EXPECT_FALSE(challengePlayerDodging());
    // Tapped again and again: up, down for its rest, up again; never held for good.
    int guarded = 0;
    for (int step = 0; step < 200; ++step) {
        if (step % 10 == 0)
            challengeGuardPressed();
        guarded += challengePlayerGuarding();
        fightTick();
    }
    EXPECT_EQ(guarded, 3 * playerGuardLength);
}

// Punches: into the guard they score nothing and cost stamina; a counter is worth three, a
// tired one less; stamina comes back while the player does not punch.
TEST_F(Challenge, TheGuardStopsPunchesAndOpeningsPayByKind) {
    struct Case {
        AttackState state;
        Flag missed;
        int stamina;
        int points;
        int spent;
    };
    constexpr Case cases[] = {
        {AttackState::stance, 0, fullStamina, 0, 4},
        {AttackState::guard, 0, fullStamina, 0, 4},
        {AttackState::recover, 0, fullStamina, 0, 4},
        {AttackState::recover, 1, fullStamina, 3, 1},
        {AttackState::tired, 0, fullStamina, 2, 1},
        {AttackState::recover, 1, tiredStamina - 5, 2, 1},
    };
    for (const Case& c : cases) {
        start(radovEzeBlack);
        stepTo(1.25f);
        challenge.attackState = static_cast<int>(c.state);
        challenge.attackStepsLeft = 100;
        challenge.lastBlowMissed = c.missed;
        challenge.playerStamina = c.stamina;
        challenge.stepsSincePunch = challengeSecond;
        applyFightAction(Action::rightPunch);
        const unsigned events = ticks(6);
        const std::string where = std::to_string(static_cast<int>(c.state));
        EXPECT_EQ(fightPoints, c.points) << where;
        EXPECT_EQ(c.stamina - challenge.playerStamina, c.spent) << where;
        EXPECT_EQ((events & punchBlockedEvent) != 0, c.points == 0) << where;
    }
    // Blocked in its stance, it answers soon.
    start(didaVud);
    stepTo(1.25f);
    freezeOpponent();
    applyFightAction(Action::rightPunch);
    ticks(6);
    EXPECT_LE(challenge.attackStepsLeft, challengeStyle(didaVud).punishWait);
    // Tired, a breath between punches: the other arm waits though both are at rest.
    for (const int stamina : {fullStamina, tiredStamina - 5}) {
        start(radovEze);
        freezeOpponent();
        challenge.playerStamina = stamina;
        applyFightAction(Action::rightPunch);
        ticks(8);
        applyFightAction(Action::leftPunch);
        EXPECT_EQ(leftPunchActive, stamina == fullStamina) << stamina;
    }
    // Not punching, the stamina comes back.
    start(radovEze);
    freezeOpponent();
    challenge.playerStamina = 50;
    ticks(10 * challengeSecond);
    EXPECT_GT(challenge.playerStamina, 60);
}

// Out of reach it comes forward, faster at a circling player; the judges count the time
// spent out of its reach against the player.
TEST_F(Challenge, RunningAwayIsFollowedAndJudged) {
    for (int opponent : opponents) {
        start(opponent);
        stepTo(3.75f);
        const float reach = challengeStyle(opponent).reach;
        int steps = 0;
        while (opponentDistance > reach && steps < 2000) {
            if (steps % 20 == 0)
                applyFightAction(Action::circleLeft);
            ticks(1);
            ++steps;
        }
        EXPECT_LE(opponentDistance, reach) << opponent;
        EXPECT_LT(steps, 6 * challengeStyle(opponent).advanceSteps) << opponent;
    }
    start(radovEze);
    for (int step = 0; step < roundSteps; ++step) {
        freezeOpponent();
        stepTo(3.75f);
        ticks(1);
    }
    EXPECT_EQ(currentChallengePhase(), ChallengePhase::rest);
    EXPECT_EQ(challenge.playerCard, 9);
    EXPECT_EQ(challenge.opponentCard, 10);
}

TEST_F(Challenge, OnePressThrowsOnePunch) {
    stepTo(1.25f);
    freezeOpponent();
    // A held key: auto-repeat's presses every 2 or 3 steps throw the first punch only.
    int swishes = soundRequests(Sound::punchSwish);
    for (int step = 0; step < 300; ++step) {
        if (step % 5 == 0 || step % 5 == 2)
            applyFightAction(Action::leftPunch);
        fightTick();
    }
    EXPECT_EQ(soundRequests(Sound::punchSwish) - swishes, 1);
    // Taps a few steps apart each throw one, once the arm is back at rest.
    swishes = soundRequests(Sound::punchSwish);
    for (int step = 0; step < 80; ++step) {
        if (step % 8 == 0)
            applyFightAction(Action::rightPunch);
        fightTick();
    }
    EXPECT_EQ(soundRequests(Sound::punchSwish) - swishes, 10);
    // Without the challenge a held key still scores at every step, as it always did.
    challengeOn = 0;
    fightOpponent = radovEze;
    setFightStartValues();
    stepTo(1.25f);
    for (int step = 0; step < 20; ++step) {
        applyFightAction(Action::leftPunch);
        fightTick();
    }
    EXPECT_EQ(fightPoints, 18);
}

TEST_F(Challenge, KnockdownsCountToTenAndAlternatePressesGetThePlayerUp) {
    const ChallengeStyle& style = challengeStyle(radovEze);
    for (int knockdown = 1; knockdown <= 2; ++knockdown) {
        challenge.playerStamina = 1;
        EXPECT_TRUE(nextBlow(nullptr) & knockdownEvent);
        EXPECT_EQ(currentChallengePhase(), ChallengePhase::playerDown);
        EXPECT_EQ(fightTick(), FightTickResult::playerDown);
        EXPECT_FALSE(challengeMovesAllowed());
        EXPECT_TRUE(ticks(countSteps - 1) & countTickEvent);
        EXPECT_EQ(challenge.countNumber, 1);
        // The same key again and again does not lift a fallen player.
        for (int press = 0; press < 5; ++press) {
            applyFightAction(Action::leftPunch);
            ticks(8);
        }
        EXPECT_EQ(challenge.getUpPresses, 1);
        const int needed = style.getUpPresses + (knockdown - 1) * style.getUpPressesExtra;
        EXPECT_EQ(challenge.getUpPressesNeeded, needed);
        for (int press = 1; press < needed; ++press) {
            EXPECT_EQ(currentChallengePhase(), ChallengePhase::playerDown) << press;
            applyFightAction(press % 2 ? Action::rightPunch : Action::leftPunch);
            ticks(8);
        }
        EXPECT_EQ(currentChallengePhase(), ChallengePhase::fighting) << knockdown;
        EXPECT_EQ(challenge.playerStamina, knockdown == 1 ? 50 : 35);
    }
    // The third knockdown ends the fight.
    challenge.playerStamina = 1;
    nextBlow(nullptr);
    EXPECT_TRUE(challengeOver());
    const ChallengeOutcome outcome = challengeOutcome();
    EXPECT_EQ(outcome.winner, ChallengeWinner::opponent);
    EXPECT_EQ(outcome.how, ChallengeEnd::knockOut);
    EXPECT_EQ(outcome.round, 1);
    EXPECT_EQ(outcome.steps, challenge.step);
    EXPECT_EQ(fightTick(), FightTickResult::challengeEnded);
}

TEST_F(Challenge, NotUpByTenIsAKnockOut) {
    challenge.playerStamina = 1;
    nextBlow(nullptr);
    const int downAt = challenge.step;
    ticks(countOut * countSteps - 1);
    EXPECT_FALSE(challengeOver());
    EXPECT_EQ(challenge.countNumber, countOut - 1);
    ticks(1);
    EXPECT_TRUE(challengeOver());
    EXPECT_EQ(challengeOutcome().how, ChallengeEnd::knockOut);
    EXPECT_EQ(challengeOutcome().steps, downAt + countOut * countSteps);
}

TEST_F(Challenge, ThreeRoundsWithRestsThenADecision) {
    stepTo(1.25f);
    int bells = 0;
    for (int round = 1; round <= 3; ++round) {
        EXPECT_EQ(challenge.round, round);
        EXPECT_EQ(challengeClockSeconds(), 90);
        challenge.playerStamina = 50;
        if (round < 3)
            challenge.roundPointsLanded = round; // as if landed: the round goes to the player
        for (int step = 0; step < roundSteps; ++step) {
            freezeOpponent();
            challenge.stepsSincePunch = 0; // the rest's stamina alone
            bells += (ticks(1) & bellEvent) != 0;
        }
        if (round == 3)
            break;
        EXPECT_EQ(currentChallengePhase(), ChallengePhase::rest);
        EXPECT_EQ(fightTick(), FightTickResult::resting);
        takeChallengeEvents();
        EXPECT_EQ(challenge.roundPointsLanded, round); // shown during the rest
        EXPECT_EQ(challengeClockSeconds(), restSteps / challengeSecond);
        EXPECT_EQ(challenge.playerStamina, 50 + restStamina);
        applyFightAction(Action::stepBack);
        EXPECT_EQ(opponentDistance, 1.25f);
        for (int step = 1; step < restSteps; ++step)
            bells += (ticks(1) & bellEvent) != 0;
    }
    EXPECT_EQ(bells, 5); // the first bell rang at the start
    EXPECT_TRUE(challengeOver());
    const ChallengeOutcome outcome = challengeOutcome();
    EXPECT_EQ(outcome.winner, ChallengeWinner::player);
    EXPECT_EQ(outcome.how, ChallengeEnd::decision);
    EXPECT_EQ(outcome.round, 3);
    EXPECT_EQ(outcome.steps, 3 * roundSteps + 2 * restSteps);
    EXPECT_EQ(outcome.playerScore, 30);
    EXPECT_EQ(outcome.opponentScore, 28);
}

TEST_F(Challenge, TheCheckpointHoldsTheChallengeOnlyWhenItIsOn) {
    challengeOn = 0;
    const std::string off = stateCheckpoint();
    challenge.playerStamina = 7;
    nextChallengeRandom();
    EXPECT_EQ(stateCheckpoint(), off);
    challengeOn = 1;
    const std::string on = stateCheckpoint();
    EXPECT_NE(on, off);
    nextChallengeRandom();
    EXPECT_NE(stateCheckpoint(), on);
}
