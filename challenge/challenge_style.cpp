#include "challenge/challenge_style.h"

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

// Easy, normal, hard: steps added to every aim, and the blows' damage in percent.
struct LevelTerms {
    int aimExtra;
    int damagePercent;
};
constexpr LevelTerms levels[] = {{10, 70}, {0, 100}, {-1, 125}};
static_assert(sizeof levels / sizeof levels[0] == static_cast<int>(ChallengeLevel::count),
              "one row per level");

constexpr bool readable(const ChallengeStyle& style) {
    return style.windUpSteps >= 12 &&
           style.aimSteps + levels[static_cast<int>(ChallengeLevel::hard)].aimExtra +
                   style.blowSteps >=
               18;
}
static_assert(readable(styles[0]) && readable(styles[1]) && readable(styles[2]),
              "a blow must show its kind and leave 0.3 s to answer it, even on hard");

const LevelTerms& level() {
    if (challengeLevel < 0 || challengeLevel >= static_cast<int>(ChallengeLevel::count))
        return levels[static_cast<int>(ChallengeLevel::normal)];
    return levels[challengeLevel];
}

} // namespace

const ChallengeStyle& challengeStyle(int opponent) {
    if (opponent < radovEze || opponent > didaVud)
        return styles[0];
    return styles[opponent - 1];
}

int levelAimSteps(const ChallengeStyle& style) {
    return style.aimSteps + level().aimExtra;
}

int levelDamage(const ChallengeStyle& style) {
    return style.damage * level().damagePercent / 100;
}
