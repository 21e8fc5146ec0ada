#pragma once

#include <cstdint>

// The challenge's own generator (xorshift32): the same numbers on every compiler and C
// library, its state a plain number that the checkpoints hash and a recording can seed.

extern std::uint32_t challengeRandomState;

// A zero seed would stick at zero; it is taken as 1.
void seedChallengeRandom(std::uint32_t seed);

std::uint32_t nextChallengeRandom();

// A whole number from low to high, both included (high below low gives low).
int challengeRandomBetween(int low, int high);

// True with the given chance, in percent.
bool challengeChance(int percent);
