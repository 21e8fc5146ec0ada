#include "game/challenge_style.h"

#include "game/state.h"

namespace {

constexpr int allKinds =
    kindBit(BlowKind::straight) | kindBit(BlowKind::hook) | kindBit(BlowKind::uppercut);

// Radov Eze: slow, one blow at a time, a long opening after a miss; it never tires. Radov Eze
// Black: quicker, in pairs, and it tires. Dida Vud: fast and heavy, combinations with feints,
// and a punch into its guard brings its answer at once.
constexpr ChallengeStyle styles[] = {
    {80, 130, 28, 26, 8, 40, 14, 2.0f, 40, allKinds, 1, 1, 0, 20, 60, 20, 24, 0, 0, 6, 4},
    {60, 100, 22, 18, 7, 32, 17, 2.25f, 30, allKinds, 2, 2, 0, 30, 60, 30, 14, 7, 150, 8, 5},
    {45, 80, 16, 16, 6, 26, 20, 2.5f, 20, allKinds, 2, 3, 15, 35, 70, 45, 6, 4, 120, 12, 8},
};

constexpr bool readable(const ChallengeStyle& style) {
    return style.windUpSteps >= 12 && style.aimSteps + style.blowSteps >= 18;
}
static_assert(readable(styles[0]) && readable(styles[1]) && readable(styles[2]),
              "a blow must show its kind and leave 0.3 s to answer it");

} // namespace

const ChallengeStyle& challengeStyle(int opponent) {
    if (opponent < radovEze || opponent > didaVud)
        return styles[0];
    return styles[opponent - 1];
}
