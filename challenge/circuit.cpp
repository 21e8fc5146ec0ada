#include "challenge/circuit.h"

#include <algorithm>

CircuitProgress circuitProgress{};
Flag circuitFight = 0;
Flag circuitTitleWon = 0;

namespace {

// Radov Eze and Radov Eze Black in the club, the title in the cup hall.
constexpr int decorOf[circuitOpponents] = {1, 1, 2};

int capped(int value, int most) {
    return std::clamp(value, 0, most);
}

} // namespace

int circuitOpponent(const CircuitProgress& progress) {
    return progress.beaten >= circuitOpponents ? 1 : std::max(progress.beaten, 0) + 1;
}

int circuitDecor(int opponent) {
    return opponent >= 1 && opponent <= circuitOpponents ? decorOf[opponent - 1] : 1;
}

bool circuitChampion(const CircuitProgress& progress) {
    return progress.titles > 0;
}

bool addCircuitOutcome(CircuitProgress& progress, int opponent, const ChallengeOutcome& outcome) {
    if (outcome.winner == ChallengeWinner::none)
        return false;
    if (progress.beaten >= circuitOpponents) {
        progress.beaten = 0;
        progress.wins = 0;
        progress.losses = 0;
        progress.climbSteps = 0;
    }
    if (opponent != circuitOpponent(progress))
        return false;
    progress.climbSteps = capped(progress.climbSteps + outcome.steps, mostCircuitSteps);
    if (outcome.winner != ChallengeWinner::player) {
        progress.losses = capped(progress.losses + 1, mostCircuitCount);
        return false;
    }
    progress.wins = capped(progress.wins + 1, mostCircuitCount);
    if (++progress.beaten < circuitOpponents)
        return false;
    progress.titles = capped(progress.titles + 1, mostCircuitCount);
    progress.lastTitleSteps = std::max(progress.climbSteps, 1);
    progress.lastTitleFights = capped(progress.wins + progress.losses, mostCircuitCount);
    if (progress.bestTitleSteps == 0 || progress.lastTitleSteps < progress.bestTitleSteps)
        progress.bestTitleSteps = progress.lastTitleSteps;
    return true;
}
