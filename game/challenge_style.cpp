#include "game/challenge_style.h"

#include "game/state.h"

namespace {

// Radov Eze is slow and forgiving, Radov Eze Black quicker, Dida Vud fast and heavy.
constexpr ChallengeStyle styles[] = {
    {90, 150, 40, 8, 30, 12, 2.0f, 0, 25, 60, 20, 6, 4},
    {70, 120, 28, 7, 22, 16, 2.25f, 25, 35, 70, 30, 8, 5},
    {45, 90, 18, 6, 16, 25, 2.5f, 55, 45, 80, 50, 12, 8},
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
