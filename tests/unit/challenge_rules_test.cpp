// The challenge's rules through the fight's own tick and actions.
#include "game/challenge_attack.h"
#include "game/challenge_random.h"
#include "game/challenge_rules.h"
#include "game/challenge_style.h"
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
        for (int i = 0; i < 20000 && attackState != static_cast<int>(state); ++i)
            fightTick();
        ASSERT_EQ(attackState, static_cast<int>(state));
    }
    // Keeps the opponent in its stance, open, for the rest of the round.
    static void freezeOpponent() {
        attackState = static_cast<int>(AttackState::stance);
        attackStepsLeft = roundSteps;
    }
    static void stepTo(float distance) {
        while (opponentDistance < distance)
            applyFightAction(Action::stepBack);
        while (opponentDistance > distance)
            applyFightAction(Action::stepIn);
    }
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

TEST_F(Challenge, TheWindUpShowsForItsStyleAndTheBlowLandsWithinReach) {
    for (int opponent : opponents) {
        start(opponent);
        const ChallengeStyle& style = challengeStyle(opponent);
        EXPECT_GE(style.windUpSteps, 18) << opponent;
        untilState(AttackState::windUp);
        EXPECT_EQ(opponentAttackPose(), AttackPose::drawnBack);
        int shown = 0;
        float progress = -1.0f;
        while (opponentWindingUp()) {
            EXPECT_GT(opponentPoseProgress(), progress) << opponent;
            progress = opponentPoseProgress();
            ++shown;
            fightTick();
        }
        EXPECT_EQ(shown, style.windUpSteps) << opponent;
        EXPECT_EQ(progress, 1.0f);
        takeChallengeEvents();
        const unsigned events = ticks(style.blowSteps);
        EXPECT_TRUE(events & blowLandedEvent) << opponent;
        EXPECT_EQ(playerStamina, fullStamina - style.damage) << opponent;
        EXPECT_GT(hitFlashSteps, 0);
        EXPECT_GT(hitJoltSteps, 0);
    }
}

TEST_F(Challenge, AStepBackACircleOrASideStepDuringTheWindUpMakesTheBlowMiss) {
    void (*const dodges[])() = {
        [] {
            while (opponentDistance <= challengeStyle(fightOpponent).reach)
                applyFightAction(Action::stepBack);
        },
        [] { applyFightAction(Action::circleLeft); },
        [] { applyFightAction(Action::circleRight); },
        [] { applyFightAction(Action::sideLeft); },
        [] { applyFightAction(Action::sideRight); },
    };
    for (int opponent : opponents)
        for (auto dodge : dodges) {
            start(opponent);
            const unsigned events = nextBlow(dodge);
            EXPECT_TRUE(events & blowMissedEvent) << opponent;
            EXPECT_EQ(playerStamina, fullStamina) << opponent;
        }
    // Out of reach from the start, nothing lands either.
    start(didaVud);
    stepTo(2.75f);
    EXPECT_TRUE(nextBlow(nullptr) & blowMissedEvent);
}

TEST_F(Challenge, MovingOnceTheBlowIsLaunchedIsTooLate) {
    start(radovEzeBlack);
    untilState(AttackState::blow);
    applyFightAction(Action::circleLeft);
    stepTo(3.75f);
    const unsigned events = ticks(challengeStyle(radovEzeBlack).blowSteps);
    EXPECT_TRUE(events & blowLandedEvent);
    EXPECT_EQ(playerStamina, fullStamina - challengeStyle(radovEzeBlack).damage);
}

TEST_F(Challenge, TheGuardTakesAQuarterAndStopsPunches) {
    for (int opponent : opponents) {
        start(opponent);
        untilState(AttackState::blow);
        challengeGuardPressed();
        EXPECT_TRUE(challengePlayerGuarding());
        applyFightAction(Action::leftPunch);
        applyFightAction(Action::rightPunch);
        EXPECT_FALSE(leftPunchActive || rightPunchActive);
        const unsigned events = ticks(challengeStyle(opponent).blowSteps);
        EXPECT_TRUE(events & blowGuardedEvent) << opponent;
        EXPECT_EQ(playerStamina, fullStamina - challengeStyle(opponent).damage / 4) << opponent;
    }
    // A held guard key (auto-repeat) keeps the gloves up once, not for ever.
    start(radovEze);
    freezeOpponent();
    int guarded = 0;
    for (int step = 0; step < 200; ++step) {
        if (step % 2 == 0)
            challengeGuardPressed();
        guarded += challengePlayerGuarding();
        fightTick();
    }
    EXPECT_EQ(guarded, playerGuardLength);
}

TEST_F(Challenge, APunchIntoTheOpponentsGuardScoresNothing) {
    stepTo(1.25f);
    attackState = static_cast<int>(AttackState::guard);
    attackStepsLeft = 100;
    EXPECT_FALSE(challengePunchLands());
    applyFightAction(Action::rightPunch);
    const unsigned events = ticks(6);
    EXPECT_TRUE(events & punchBlockedEvent);
    EXPECT_EQ(fightPoints, 0);
    freezeOpponent();
    EXPECT_TRUE(challengePunchLands());
    applyFightAction(Action::rightPunch);
    ticks(6);
    EXPECT_EQ(fightPoints, 1);
    EXPECT_EQ(opponentPointsLeft(), 40);
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
        playerStamina = 1;
        EXPECT_TRUE(nextBlow(nullptr) & knockdownEvent);
        EXPECT_EQ(currentChallengePhase(), ChallengePhase::playerDown);
        EXPECT_EQ(fightTick(), FightTickResult::playerDown);
        EXPECT_FALSE(challengeMovesAllowed());
        EXPECT_TRUE(ticks(countSteps - 1) & countTickEvent);
        EXPECT_EQ(countNumber, 1);
        // The same key again and again does not lift a fallen player.
        for (int press = 0; press < 5; ++press) {
            applyFightAction(Action::leftPunch);
            ticks(8);
        }
        EXPECT_EQ(getUpPresses, 1);
        const int needed = style.getUpPresses + (knockdown - 1) * style.getUpPressesExtra;
        EXPECT_EQ(getUpPressesNeeded, needed);
        for (int press = 1; press < needed; ++press) {
            EXPECT_EQ(currentChallengePhase(), ChallengePhase::playerDown) << press;
            applyFightAction(press % 2 ? Action::rightPunch : Action::leftPunch);
            ticks(8);
        }
        EXPECT_EQ(currentChallengePhase(), ChallengePhase::fighting) << knockdown;
        EXPECT_EQ(playerStamina, knockdown == 1 ? 50 : 35);
    }
    // The third knockdown ends the fight.
    playerStamina = 1;
    nextBlow(nullptr);
    EXPECT_TRUE(challengeOver());
    const ChallengeOutcome outcome = challengeOutcome();
    EXPECT_EQ(outcome.winner, ChallengeWinner::opponent);
    EXPECT_EQ(outcome.how, ChallengeEnd::knockOut);
    EXPECT_EQ(outcome.round, 1);
    EXPECT_EQ(outcome.steps, challengeStep);
    EXPECT_EQ(fightTick(), FightTickResult::challengeEnded);
}

TEST_F(Challenge, NotUpByTenIsAKnockOut) {
    playerStamina = 1;
    nextBlow(nullptr);
    const int downAt = challengeStep;
    ticks(countOut * countSteps - 1);
    EXPECT_FALSE(challengeOver());
    EXPECT_EQ(countNumber, countOut - 1);
    ticks(1);
    EXPECT_TRUE(challengeOver());
    EXPECT_EQ(challengeOutcome().how, ChallengeEnd::knockOut);
    EXPECT_EQ(challengeOutcome().steps, downAt + countOut * countSteps);
}

TEST_F(Challenge, ThreeRoundsWithRestsThenADecision) {
    stepTo(3.75f); // out of every reach
    int bells = 0;
    for (int round = 1; round <= 3; ++round) {
        EXPECT_EQ(challengeRound, round);
        EXPECT_EQ(challengeClockSeconds(), 90);
        playerStamina = 50;
        if (round < 3)
            roundPointsLanded = round; // as if landed: the round goes to the player
        for (int step = 0; step < roundSteps; ++step)
            bells += (ticks(1) & bellEvent) != 0;
        if (round == 3)
            break;
        EXPECT_EQ(currentChallengePhase(), ChallengePhase::rest);
        EXPECT_EQ(fightTick(), FightTickResult::resting);
        takeChallengeEvents();
        EXPECT_EQ(roundPointsLanded, round); // shown during the rest
        EXPECT_EQ(challengeClockSeconds(), restSteps / challengeSecond);
        EXPECT_EQ(playerStamina, 50 + restStamina);
        applyFightAction(Action::stepIn);
        EXPECT_EQ(opponentDistance, 3.75f);
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
    playerStamina = 7;
    nextChallengeRandom();
    EXPECT_EQ(stateCheckpoint(), off);
    challengeOn = 1;
    const std::string on = stateCheckpoint();
    EXPECT_NE(on, off);
    nextChallengeRandom();
    EXPECT_NE(stateCheckpoint(), on);
}
