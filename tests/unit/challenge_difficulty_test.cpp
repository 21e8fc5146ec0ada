// Seeded fights through the fight's own tick and actions, three scripted players and a runner
// against each opponent: the table of wins and losses that docs/CHALLENGE.md keeps, and the
// bands it must stay within.
#include "game/challenge_attack.h"
#include "game/challenge_random.h"
#include "game/challenge_rules.h"
#include "game/controls.h"
#include "game/fight_tick.h"
#include "game/state.h"
#include "replay/game_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr int fightsEach = 20;
constexpr int stepLimit = 3 * roundSteps + 2 * restSteps + 2 * countOut * countSteps + 600;

// The player's own numbers, apart from the game's generator.
struct PlayerDice {
    std::uint32_t state;
    int between(int low, int high) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return low + static_cast<int>(state % static_cast<std::uint32_t>(high - low + 1));
    }
};

struct PlayerMemory {
    PlayerDice dice;
    int step = 0;
    int nextAction = 0; // the step before which it does not press again
    int dodgeAt = -1;   // when it reacts to the wind-up it saw
    bool sawWindUp = false;
    bool leftNext = true;
    bool circleLeftNext = true;
};

using Player = void (*)(PlayerMemory&);

void tap(PlayerMemory& me, Action action, int low, int high) {
    applyFightAction(action);
    me.nextAction = me.step + me.dice.between(low, high);
}

void alternatePunch(PlayerMemory& me, int low, int high) {
    tap(me, me.leftNext ? Action::leftPunch : Action::rightPunch, low, high);
    me.leftNext = !me.leftNext;
}

// (a) Stands where the bell found it.
void idlePlayer(PlayerMemory&) {}

// (b) Steps in and holds both punch keys: auto-repeat, a press of each every 2 or 3 steps.
void holdingPlayer(PlayerMemory& me) {
    if (me.step < me.nextAction)
        return;
    if (challengeMovesAllowed() && opponentDistance > 1.25f) {
        tap(me, Action::stepIn, 8, 12);
        return;
    }
    applyFightAction(Action::leftPunch);
    applyFightAction(Action::rightPunch);
    me.nextAction = me.step + me.dice.between(2, 3);
}

// (c) Watches: reacts to a wind-up after a human delay (and now and then not at all) by
// circling or guarding, punches at the closest distance when the guard is down, taps the
// keys in turn to get up.
void watchingPlayer(PlayerMemory& me) {
    const bool windingUp = opponentWindingUp();
    if (windingUp && !me.sawWindUp && me.dice.between(1, 100) > 8)
        me.dodgeAt = me.step + me.dice.between(10, 22);
    me.sawWindUp = windingUp;
    if (me.dodgeAt == me.step) {
        me.dodgeAt = -1;
        if (me.dice.between(1, 100) <= 20) {
            challengeGuardPressed();
        } else {
            applyFightAction(me.circleLeftNext ? Action::circleLeft : Action::circleRight);
            me.circleLeftNext = !me.circleLeftNext;
        }
        return;
    }
    if (me.step < me.nextAction)
        return;
    switch (currentChallengePhase()) {
    case ChallengePhase::playerDown:
        alternatePunch(me, 7, 10);
        break;
    case ChallengePhase::fighting:
        if (opponentDistance > 1.25f)
            tap(me, Action::stepIn, 8, 12);
        else if (opponentAttackPose() == AttackPose::stance && me.dodgeAt < 0 &&
                 !challengePlayerGuarding())
            alternatePunch(me, 8, 12);
        break;
    default:
        break;
    }
}

// (d) Runs away: steps back to the far distance and circles for ever.
void runningPlayer(PlayerMemory& me) {
    if (me.step < me.nextAction)
        return;
    if (opponentDistance < 3.75f)
        tap(me, Action::stepBack, 6, 10);
    else
        tap(me, Action::circleLeft, 15, 25);
}

// (e) Presses any key at any time, the guard too: no band, only the invariants below.
void randomPlayer(PlayerMemory& me) {
    if (me.step < me.nextAction)
        return;
    applyFightAction(static_cast<Action>(me.dice.between(0, actionCount - 1)));
    me.nextAction = me.step + me.dice.between(1, 12);
}

void expectInvariants(int step) {
    ASSERT_GE(playerStamina, 0) << step;
    ASSERT_LE(playerStamina, fullStamina) << step;
    ASSERT_GE(roundClock, 0) << step;
    ASSERT_LE(countNumber, countOut) << step;
    ASSERT_LE(knockdowns, knockdownsLost) << step;
    ASSERT_GE(challengeRound, 1) << step;
    ASSERT_LE(challengeRound, challengeRounds) << step;
    ASSERT_GT(attackStepsLeft, 0) << step;
    ASSERT_GE(opponentDistance, 1.25f) << step;
    ASSERT_LE(opponentDistance, 3.75f) << step;
    ASSERT_EQ(opponentPointsLeft(), std::max(0, 41 - fightPoints)) << step;
}

struct Tally {
    int wins = 0, losses = 0, draws = 0;
    int winsByKo = 0, lossesByKo = 0, decisions = 0;
    long steps = 0;
};

ChallengeOutcome playFight(int opponent, std::uint32_t seed, Player player) {
    challengeOn = 1;
    seedChallengeRandom(seed);
    fightOpponent = opponent;
    fightDecor = friendlyDecor;
    setFightStartValues();
    PlayerMemory me{{seed * 2654435761u + 1u}};
    for (; me.step < stepLimit; ++me.step) {
        player(me);
        const FightTickResult result = fightTick();
        expectInvariants(me.step);
        if (result == FightTickResult::opponentOut || result == FightTickResult::challengeEnded)
            break;
    }
    return challengeOutcome();
}

Tally playFights(int opponent, Player player) {
    Tally tally;
    for (int fight = 0; fight < fightsEach; ++fight) {
        const ChallengeOutcome outcome = playFight(opponent, 1000u + 7u * fight, player);
        EXPECT_NE(outcome.winner, ChallengeWinner::none) << "fight " << fight << " never ended";
        tally.steps += outcome.steps;
        if (outcome.how == ChallengeEnd::decision)
            ++tally.decisions;
        if (outcome.winner == ChallengeWinner::player) {
            ++tally.wins;
            tally.winsByKo += outcome.how == ChallengeEnd::knockOut;
        } else if (outcome.winner == ChallengeWinner::opponent) {
            ++tally.losses;
            tally.lossesByKo += outcome.how == ChallengeEnd::knockOut;
        } else {
            ++tally.draws;
        }
    }
    return tally;
}

struct Band {
    int minWins, maxWins, minLosses;
};

struct Row {
    const char* name;
    Player player;
    Band bands[3]; // against each opponent
};

// The bands of docs/CHALLENGE.md, out of fightsEach fights.
const Row rows[] = {
    {"idle", idlePlayer, {{0, 0, 20}, {0, 0, 20}, {0, 0, 20}}},
    {"holding", holdingPlayer, {{0, 20, 0}, {0, 6, 14}, {0, 2, 18}}},
    {"watching", watchingPlayer, {{18, 20, 0}, {12, 20, 0}, {2, 17, 0}}},
    {"running", runningPlayer, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
    {"random", randomPlayer, {{0, 20, 0}, {0, 20, 0}, {0, 20, 0}}},
};

const char* const opponentNames[] = {"Radov Eze", "Radov Eze Black", "Dida Vud"};

} // namespace

TEST(ChallengeDifficulty, ScriptedPlayersStayWithinTheirBands) {
    std::printf("%-9s %-16s %4s %6s %5s %7s %8s %9s %8s\n", "player", "opponent", "wins", "losses",
                "draws", "KO won", "KO lost", "decisions", "avg s");
    for (const Row& row : rows)
        for (int opponent = radovEze; opponent <= didaVud; ++opponent) {
            const Tally t = playFights(opponent, row.player);
            std::printf("%-9s %-16s %4d %6d %5d %7d %8d %9d %8.1f\n", row.name,
                        opponentNames[opponent - 1], t.wins, t.losses, t.draws, t.winsByKo,
                        t.lossesByKo, t.decisions,
                        static_cast<double>(t.steps) / fightsEach / challengeSecond);
            const Band& band = row.bands[opponent - 1];
            const std::string where =
                std::string(row.name) + " against " + opponentNames[opponent - 1];
            EXPECT_GE(t.wins, band.minWins) << where;
            EXPECT_LE(t.wins, band.maxWins) << where;
            EXPECT_GE(t.losses, band.minLosses) << where;
        }
    challengeOn = 0;
}

TEST(ChallengeDifficulty, TheSameSeedPlaysTheSameFight) {
    for (int opponent = radovEze; opponent <= didaVud; ++opponent) {
        const ChallengeOutcome first = playFight(opponent, 77u, randomPlayer);
        const std::string checkpoint = stateCheckpoint();
        const ChallengeOutcome second = playFight(opponent, 77u, randomPlayer);
        EXPECT_EQ(stateCheckpoint(), checkpoint) << opponent;
        EXPECT_EQ(first.steps, second.steps) << opponent;
        EXPECT_EQ(first.winner, second.winner) << opponent;
    }
    challengeOn = 0;
}
