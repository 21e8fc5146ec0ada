// Writes the fight's part of a recording that beats Radov Eze with the challenge on, played
// through the game's own steps as the recording will play it: three steps in to the closest
// distance, each committed blow answered by its own dodge a reaction after the aim shows, and
// punches in turn only while the opponent is open after its miss. Every move keeps a few steps
// from the edges of the windows it aims at.
//
//   challenge_win_recording SEED FIRST_STEP [OPPONENT]
//
// SEED is the generator's, FIRST_STEP the step of the key that starts the fight, OPPONENT 1
// (Radov Eze, the default) to 3, met in its circuit decor. Prints the
// recording's challenge line (at step 0, as the game writes it), then "STEP key NAME" lines;
// on stderr the end foreseen. Exits 1 if it is not a win by knock-out.
#include "challenge/challenge_attack.h"
#include "challenge/challenge_random.h"
#include "challenge/challenge_rules.h"
#include "challenge/circuit.h"
#include "game/controls.h"
#include "game/fight_tick.h"
#include "game/state.h"
#include "replay/replay_lines.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int reaction = 6;    // steps from seeing the aim, or the opening, to the key
constexpr int punchGap = 8;    // between two punches, in turn
constexpr int punchReach = 12; // the opening's steps a punch needs left to land in it
constexpr int stepLimit = challengeRounds * (roundSteps + restSteps);

// The recording's default keys, by Action.
constexpr const char* keyNames[] = {"w", "x", "up", "down", "left", "right",
                                    "i", "k", "l",  "m",    "t",    "c"};

long long firstStep;
int tick;

void press(Action action) {
    std::printf("%lld key %s\n", firstStep + tick, keyNames[static_cast<int>(action)]);
    applyFightAction(action);
}

Action dodgeKey(BlowKind kind, bool& slipLeft) {
    switch (answerTo(kind)) {
    case Dodge::slip:
        slipLeft = !slipLeft;
        return slipLeft ? Action::sideRight : Action::sideLeft;
    case Dodge::duck:
        return Action::eyeDown;
    default:
        return Action::stepBack;
    }
}

} // namespace

int main(int argc, char** argv) {
    const int opponent = argc == 4 ? std::atoi(argv[3]) : radovEze;
    if ((argc != 3 && argc != 4) || opponent < 1 || opponent > circuitOpponents) {
        std::fprintf(stderr, "usage: challenge_win_recording SEED FIRST_STEP [OPPONENT]\n");
        return 2;
    }
    // As the recording's challenge line turns the challenge on, then the fight starts.
    const auto seed = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10));
    std::printf("%s\n", challengeLine(0, true, seed).c_str());
    seedChallengeRandom(seed);
    firstStep = std::strtoll(argv[2], nullptr, 10);
    challengeOn = 1;
    startChallengeFight();
    fightOpponent = opponent;
    fightDecor = circuitDecor(opponent);
    setFightStartValues();
    int committedFor = 0, openFor = 0, nextPunch = 0;
    bool leftNext = true, slipLeft = true;
    FightTickResult result = FightTickResult::goesOn;
    for (tick = 0; tick < stepLimit && result != FightTickResult::opponentOut &&
                   result != FightTickResult::challengeEnded;
         ++tick) {
        committedFor = blowCommitted() ? committedFor + 1 : 0;
        openFor = opponentOpen() ? openFor + 1 : 0;
        const bool free = !challengePlayerDodging() && !challengePlayerGuarding();
        if (committedFor == reaction) {
            press(dodgeKey(opponentBlowKind(), slipLeft));
        } else if (free && opponentDistance > 1.25f && tick >= nextPunch && committedFor == 0) {
            press(Action::stepIn);
            nextPunch = tick + punchGap;
        } else if (free && openFor >= reaction && challenge.attackStepsLeft >= punchReach &&
                   tick >= nextPunch) {
            press(leftNext ? Action::leftPunch : Action::rightPunch);
            leftNext = !leftNext;
            nextPunch = tick + punchGap;
        }
        result = fightTick();
    }
    const ChallengeOutcome end = challengeOutcome();
    const int seconds = end.steps / challengeSecond;
    std::fprintf(stderr, "round %d after %d:%02d (%d steps), %d blows taken\n", end.round,
                 seconds / 60, seconds % 60, end.steps, end.blowsTaken);
    // A last key, inert once the fight is over, so that the recording plays past its end.
    tick += challengeSecond;
    std::printf("%lld key c\n", firstStep + tick);
    return end.winner == ChallengeWinner::player && end.how == ChallengeEnd::knockOut ? 0 : 1;
}
