#include "game/challenge_style.h"

#include "game/state.h"

namespace {

// Radov Eze is slow and forgiving, Radov Eze Black quicker, Dida Vud fast and heavy.
constexpr ChallengeStyle styles[] = {
    {150, 240, 40, 8, 24, 12, 2.0f, 0, 15, 45, 6, 4},
    {100, 170, 28, 7, 18, 16, 2.25f, 25, 25, 55, 8, 5},
    {60, 110, 20, 6, 14, 22, 2.5f, 45, 35, 60, 10, 6},
};

static_assert(styles[0].windUpSteps >= 18 && styles[1].windUpSteps >= 18 &&
                  styles[2].windUpSteps >= 18,
              "a wind-up shorter than 0.3 s cannot be read");

} // namespace

const ChallengeStyle& challengeStyle(int opponent) {
    if (opponent < radovEze || opponent > didaVud)
        return styles[0];
    return styles[opponent - 1];
}
