#include "challenge/challenge_random.h"

std::uint32_t challengeRandomState = 1;

void seedChallengeRandom(std::uint32_t seed) {
    challengeRandomState = seed == 0 ? 1 : seed;
}

std::uint32_t nextChallengeRandom() {
    std::uint32_t x = challengeRandomState;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    challengeRandomState = x;
    return x;
}

int challengeRandomBetween(int low, int high) {
    if (high <= low)
        return low;
    const auto span = static_cast<std::uint32_t>(high - low + 1);
    return low + static_cast<int>(nextChallengeRandom() % span);
}

bool challengeChance(int percent) {
    return challengeRandomBetween(0, 99) < percent;
}
