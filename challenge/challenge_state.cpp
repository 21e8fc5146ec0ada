#include "challenge/challenge_state.h"

Flag challengeOn = 0;
int challengeLevel = static_cast<int>(ChallengeLevel::normal);

ChallengeState challenge{};

unsigned challengeEvents = 0;
