// Seeded fights through the fight's own tick and actions: a family of blind players (fixed
// rhythms of keys that never look at the opponent) and two watchers that see only the
// opponent's arms as drawn, against each opponent. The table docs/CHALLENGE.md keeps, and the
// bands it must stay within: no blind rhythm wins, a human watcher does.
#include "challenge/challenge_random.h"
#include "challenge/challenge_rules.h"
#include "game/challenge_poses.h"
#include "game/controls.h"
#include "game/fight_tick.h"
#include "game/state.h"
#include "replay/game_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

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

// A blind player: every `every` steps (0: never) it presses the next key of each pattern.
enum class Moves { stay, closeIn, hitAndRun, runAway };
struct Blind {
    const char* name;
    int punchEvery;
    int dodgeEvery;
    std::vector<Action> dodges; // pressed in turn
    int guardEvery;
    Moves moves;
};

struct Memory {
    PlayerDice dice;
    int step = 0;
    bool leftNext = true;
    std::size_t dodgeNext = 0;
    int runPhase = 0;
    // The watcher's eyes and plans.
    ArmPose lastLeft{};
    int heldSteps = 0;
    int answerAt = -1;
    Action answer = Action::none;
    int punchAt = -1;
    int nextTap = 0;
    bool sawOpening = false;
    bool slipLeft = true;
};

void alternatePunch(Memory& me) {
    applyFightAction(me.leftNext ? Action::leftPunch : Action::rightPunch);
    me.leftNext = !me.leftNext;
}

void blindStep(const Blind& b, Memory& me) {
    const int s = me.step;
    if (b.moves == Moves::closeIn && s % 10 == 0 && opponentDistance > 1.25f)
        applyFightAction(Action::stepIn);
    if (b.moves == Moves::hitAndRun && s % 8 == 0) {
        // Three steps in, a punch, ten steps back, and again.
        const int phase = me.runPhase++ % 14;
        applyFightAction(phase < 3    ? Action::stepIn
                         : phase == 3 ? Action::rightPunch
                                      : Action::stepBack);
    }
    if (b.moves == Moves::runAway && s % 8 == 0)
        applyFightAction(opponentDistance < 3.75f ? Action::stepBack : Action::circleLeft);
    if (b.punchEvery && s % b.punchEvery == 0)
        alternatePunch(me);
    if (b.dodgeEvery && s % b.dodgeEvery == b.dodgeEvery / 2) {
        applyFightAction(b.dodges[me.dodgeNext++ % b.dodges.size()]);
        if (b.dodges.back() == Action::stepBack)
            applyFightAction(Action::stepIn);
    }
    if (b.guardEvery && s % b.guardEvery == 1)
        applyFightAction(Action::guard);
}

float poseDistance(const ArmPose& a, const ArmPose& b) {
    return std::fabs(a.shoulderRoll - b.shoulderRoll) +
           std::fabs(a.shoulderPitch - b.shoulderPitch) + std::fabs(a.shoulderYaw - b.shoulderYaw) +
           std::fabs(a.elbowBend - b.elbowBend) + std::fabs(a.wristTurn - b.wristTurn);
}

// The arms as the frame draws them, and the kind of wind-up they are nearest to.
struct Sight {
    ArmPose left;
    bool open;
    bool covered;
    int nearestKind;
    float nearest;
};

Sight look() {
    applyOpponentAttackArms();
    Sight sight{opponentLeftArm, false, false, 0, 1e9f};
    sight.open = opponentLeftArm.elbowBend < 40.0f && opponentRightArm.elbowBend < 40.0f;
    sight.covered = opponentLeftArm.elbowBend > 150.0f && opponentRightArm.elbowBend > 150.0f;
    restoreOpponentArms();
    for (int kind = 0; kind < static_cast<int>(BlowKind::count); ++kind) {
        const float d = poseDistance(sight.left, windUpArm(static_cast<BlowKind>(kind)));
        if (d < sight.nearest) {
            sight.nearest = d;
            sight.nearestKind = kind;
        }
    }
    return sight;
}

Action answerFor(int kind, Memory& me) {
    switch (answerTo(static_cast<BlowKind>(kind))) {
    case Dodge::slip:
        me.slipLeft = !me.slipLeft;
        return me.slipLeft ? Action::sideLeft : Action::sideRight;
    case Dodge::duck:
        return Action::eyeDown;
    default:
        return Action::stepBack;
    }
}

// A watcher: sees the arm held fully drawn (the blow committed) and answers it after its
// reaction; sees the arms come apart from its guard, or drop, and punches after its reaction;
// stays at the closest distance; gets up with the keys in turn. `wait` is how long after the
// arm stops it decides; `low`..`high` its reaction.
void watchStep(Memory& me, int wait, int low, int high) {
    const Sight sight = look();
    const bool still = poseDistance(sight.left, me.lastLeft) == 0.0f;
    me.heldSteps = still && sight.nearest == 0.0f ? me.heldSteps + 1 : 0;
    me.lastLeft = sight.left;
    if (me.heldSteps == wait && me.answerAt < 0) {
        me.answerAt = me.step + me.dice.between(low, high);
        me.answer = answerFor(sight.nearestKind, me);
    }
    // An opening: both arms dropped, or an arm leaving the guard (a wind-up begun).
    const bool opening = sight.open || (sight.nearest < 200.0f && !still && !sight.covered &&
                                        me.heldSteps == 0 && me.answerAt < 0);
    if (opening && !me.sawOpening && me.punchAt < 0)
        me.punchAt = me.step + me.dice.between(low, high);
    me.sawOpening = opening;
    if (me.answerAt == me.step) {
        applyFightAction(me.answer);
        me.answerAt = -1;
        me.punchAt = -1;
        return;
    }
    if (currentChallengePhase() == ChallengePhase::playerDown) {
        if (me.step >= me.nextTap) {
            alternatePunch(me);
            me.nextTap = me.step + me.dice.between(7, 10);
        }
        return;
    }
    if (me.punchAt >= 0 && me.step >= me.punchAt && me.step >= me.nextTap) {
        alternatePunch(me);
        me.nextTap = me.step + me.dice.between(8, 12);
        me.punchAt = sight.open ? me.nextTap : -1;
        return;
    }
    if (opponentDistance > 1.25f && me.step >= me.nextTap && me.answerAt < 0) {
        applyFightAction(Action::stepIn);
        me.nextTap = me.step + me.dice.between(8, 12);
    }
}

struct Player {
    const char* name;
    Blind blind;        // used when wait is 0
    int wait;           // a watcher's: steps the arm is held before it decides
    int low, high;      // its reaction
    int bands[3][3][2]; // wins allowed at each level against each opponent: at least, at most
};

const std::vector<Action> slip{Action::sideLeft, Action::sideRight};
const std::vector<Action> circling{Action::circleLeft, Action::circleRight};
const std::vector<Action> duck{Action::eyeDown};
const std::vector<Action> back{Action::stepBack};
const std::vector<Action> everyDodge{Action::sideLeft, Action::eyeDown, Action::stepBack,
                                     Action::sideRight};

Player blind(const char* name, int punch, int dodge, const std::vector<Action>& dodges, int guard,
             Moves moves) {
    return {name, {name, punch, dodge, dodges, guard, moves},
            0,    0,
            0,    {{{0, 3}, {0, 1}, {0, 1}}, {{0, 3}, {0, 1}, {0, 1}}, {{0, 3}, {0, 1}, {0, 1}}}};
}

const Player players[] = {
    blind("idle", 0, 0, {}, 0, Moves::stay),
    blind("mash 3", 3, 0, {}, 0, Moves::closeIn),
    blind("mash 5", 5, 0, {}, 0, Moves::closeIn),
    blind("mash 8", 8, 0, {}, 0, Moves::closeIn),
    blind("mash 12", 12, 0, {}, 0, Moves::closeIn),
    blind("punch 20", 20, 0, {}, 0, Moves::closeIn),
    blind("punch 30", 30, 0, {}, 0, Moves::closeIn),
    blind("punch 45", 45, 0, {}, 0, Moves::closeIn),
    blind("punch 70", 70, 0, {}, 0, Moves::closeIn),
    blind("punch 110", 110, 0, {}, 0, Moves::closeIn),
    blind("slip 17 punch 12", 12, 17, slip, 0, Moves::closeIn),
    blind("circle 17 punch 12", 12, 17, circling, 0, Moves::closeIn),
    blind("duck 17 punch 12", 12, 17, duck, 0, Moves::closeIn),
    blind("back 20 punch 12", 12, 20, back, 0, Moves::closeIn),
    blind("all 10 punch 12", 12, 10, everyDodge, 0, Moves::closeIn),
    blind("all 20 punch 9", 9, 20, everyDodge, 0, Moves::closeIn),
    blind("all 35 punch 30", 30, 35, everyDodge, 0, Moves::closeIn),
    blind("slip 40 punch 25", 25, 40, slip, 0, Moves::closeIn),
    blind("duck 30 punch 20", 20, 30, duck, 0, Moves::closeIn),
    blind("guard 45 punch 12", 12, 0, {}, 45, Moves::closeIn),
    blind("guard 71 punch 20", 20, 0, {}, 71, Moves::closeIn),
    blind("guard 71 all 25 p 15", 15, 25, everyDodge, 71, Moves::closeIn),
    blind("guard only 70", 0, 0, {}, 70, Moves::closeIn),
    blind("dodge only 13", 0, 13, everyDodge, 0, Moves::closeIn),
    blind("hit and run", 0, 0, {}, 0, Moves::hitAndRun),
    blind("run away", 0, 0, {}, 0, Moves::runAway),
    blind("run, punch 5", 5, 0, {}, 0, Moves::runAway),
    // Easy, normal, hard.
    {"human watcher",
     {},
     2,
     12,
     20,
     {{{15, 20}, {15, 20}, {15, 20}}, {{15, 20}, {10, 20}, {5, 20}}, {{10, 20}, {5, 20}, {2, 20}}}},
    {"slow watcher",
     {},
     2,
     20,
     30,
     {{{15, 20}, {15, 20}, {10, 20}}, {{15, 20}, {0, 20}, {0, 20}}, {{10, 20}, {0, 20}, {0, 20}}}},
    {"perfect reader",
     {},
     8,
     1,
     1,
     {{{19, 20}, {19, 20}, {18, 20}},
      {{19, 20}, {18, 20}, {15, 20}},
      {{18, 20}, {15, 20}, {10, 20}}}},
};

void expectInvariants(int step) {
    ASSERT_GE(challenge.playerStamina, 0) << step;
    ASSERT_LE(challenge.playerStamina, fullStamina) << step;
    ASSERT_GE(challenge.roundClock, 0) << step;
    ASSERT_LE(challenge.countNumber, countOut) << step;
    ASSERT_LE(challenge.knockdowns, knockdownsLost) << step;
    ASSERT_GE(challenge.round, 1) << step;
    ASSERT_LE(challenge.round, challengeRounds) << step;
    ASSERT_GT(challenge.attackStepsLeft, 0) << step;
    ASSERT_GE(opponentDistance, 1.25f) << step;
    ASSERT_LE(opponentDistance, 3.75f) << step;
    ASSERT_EQ(opponentPointsLeft(), std::max(0, 41 - fightPoints)) << step;
}

// Presses any key at any time, the guard too: no band, only the invariants.
void randomStep(Memory& me) {
    if (me.step >= me.nextTap) {
        applyFightAction(static_cast<Action>(me.dice.between(0, actionCount - 1)));
        me.nextTap = me.step + me.dice.between(1, 12);
    }
}

template <typename Step> ChallengeOutcome playFight(int opponent, std::uint32_t seed, Step step) {
    challengeOn = 1;
    seedChallengeRandom(seed);
    fightOpponent = opponent;
    fightDecor = friendlyDecor;
    setFightStartValues();
    Memory me{{seed * 2654435761u + 1u}};
    for (; me.step < stepLimit; ++me.step) {
        step(me);
        const FightTickResult result = fightTick();
        expectInvariants(me.step);
        if (result == FightTickResult::opponentOut || result == FightTickResult::challengeEnded)
            break;
    }
    return challengeOutcome();
}

struct Tally {
    int wins = 0, losses = 0, draws = 0;
    long steps = 0;
};

Tally playFights(int opponent, const Player& p) {
    Tally tally;
    for (int fight = 0; fight < fightsEach; ++fight) {
        const ChallengeOutcome outcome = playFight(opponent, 1000u + 7u * fight, [&p](Memory& me) {
            if (p.wait)
                watchStep(me, p.wait, p.low, p.high);
            else
                blindStep(p.blind, me);
        });
        EXPECT_NE(outcome.winner, ChallengeWinner::none) << "fight " << fight << " never ended";
        tally.steps += outcome.steps;
        tally.wins += outcome.winner == ChallengeWinner::player;
        tally.losses += outcome.winner == ChallengeWinner::opponent;
        tally.draws += outcome.winner == ChallengeWinner::draw;
    }
    return tally;
}

const char* const opponentNames[] = {"Radov Eze", "Radov Eze Black", "Dida Vud"};

} // namespace

TEST(ChallengeDifficulty, BlindRhythmsLoseAndWatchersWinAtEveryLevel) {
    // docs/CHALLENGE.md's tables: wins, losses and draws, and the average length in seconds.
    const char* const levelNames[] = {"easy", "normal", "hard"};
    for (int level = 0; level < static_cast<int>(ChallengeLevel::count); ++level) {
        challengeLevel = level;
        std::printf("\n%s\n\n| player | Radov Eze | Radov Eze Black | Dida Vud |\n",
                    levelNames[level]);
        for (const Player& p : players) {
            std::printf("| %s |", p.name);
            for (int opponent = radovEze; opponent <= didaVud; ++opponent) {
                const Tally t = playFights(opponent, p);
                std::printf(" %d / %d / %d, %.0f s |", t.wins, t.losses, t.draws,
                            static_cast<double>(t.steps) / fightsEach / challengeSecond);
                const std::string where = std::string(p.name) + " against " +
                                          opponentNames[opponent - 1] + ", " + levelNames[level];
                EXPECT_GE(t.wins, p.bands[level][opponent - 1][0]) << where;
                EXPECT_LE(t.wins, p.bands[level][opponent - 1][1]) << where;
            }
            std::printf("\n");
        }
    }
    challengeLevel = static_cast<int>(ChallengeLevel::normal);
    challengeOn = 0;
}

TEST(ChallengeDifficulty, RandomKeysKeepTheRulesAndTheSameSeedPlaysTheSameFight) {
    for (int opponent = radovEze; opponent <= didaVud; ++opponent) {
        for (std::uint32_t seed = 1; seed <= 5; ++seed)
            playFight(opponent, seed, randomStep);
        const ChallengeOutcome first = playFight(opponent, 77u, randomStep);
        const std::string checkpoint = stateCheckpoint();
        const ChallengeOutcome second = playFight(opponent, 77u, randomStep);
        EXPECT_EQ(stateCheckpoint(), checkpoint) << opponent;
        EXPECT_EQ(first.steps, second.steps) << opponent;
        EXPECT_EQ(first.winner, second.winner) << opponent;
    }
    challengeOn = 0;
}
