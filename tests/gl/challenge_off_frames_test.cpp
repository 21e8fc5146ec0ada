#include "app/startup.h"
#include "challenge/challenge_state.h"
#include "game/controls.h"
#include "game/fight_screen.h"
#include "game/knockout.h"
#include "game/state.h"
#include "sound/sound.h"
#include "tests/support/gl_harness.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <vector>

// With the challenge off, the fight must draw and sound exactly as it did before the challenge
// was drawn: a scripted fight per opponent and decor, every tenth frame and the sounds asked
// for folded into one digest, held to the digests the fight drew before (Mesa's llvmpipe under
// Xvfb, the test window's 640x480; another driver may round a pixel otherwise).

namespace {

std::uint64_t fold(std::uint64_t digest, std::uint64_t value) {
    return (digest ^ value) * 1099511628211ull;
}

std::uint64_t frameDigest(std::uint64_t digest) {
    for (const std::uint8_t byte : readFrame())
        digest = fold(digest, byte);
    return digest;
}

// Steps in to the closest distance, punches in turn, circles and side-steps now and then, to
// the knock-out and a few of its frames.
std::uint64_t scriptedFight(int opponent, int decor) {
    resetGlState();
    enterFightScreen(opponent, decor);
    std::uint64_t digest = 14695981039346656037ull;
    for (int step = 0; step < 900; ++step) {
        if (step >= 5 && step < 8)
            applyFightAction(Action::stepIn);
        if (step % 7 == 0)
            applyFightAction(step % 14 == 0 ? Action::leftPunch : Action::rightPunch);
        if (step % 97 == 0)
            applyFightAction(Action::circleLeft);
        if (step % 131 == 0)
            applyFightAction(Action::sideRight);
        if (knockedOut())
            koIdle();
        else
            fightIdle();
        if (step % 10 == 0) {
            if (knockedOut())
                koDisplay();
            else
                fightDisplay();
            digest = frameDigest(digest);
        }
    }
    for (int s = 0; s < soundCount; ++s)
        digest = fold(digest, static_cast<std::uint64_t>(soundRequests(static_cast<Sound>(s))));
    return fold(digest, static_cast<std::uint64_t>(fightPoints));
}

} // namespace

TEST(ChallengeOff, TheFightDrawsAndSoundsAsBefore) {
    initResources();
    challengeOn = 0;
    // Each row: opponent, decor, the digest the fight gave before the challenge was drawn.
    struct Expected {
        int opponent, decor;
        std::uint64_t digest;
    };
    const Expected expected[] = {
        {radovEze, friendlyDecor, 0x7c99eab1b6978a42ull},
        {radovEzeBlack, friendlyDecor, 0xbbb0a52f5bf35bb9ull},
        {didaVud, friendlyDecor, 0x7768a67a3a326391ull},
        {radovEze, cupDecor, 0x5d9933e0224e0686ull},
        {radovEzeBlack, cupDecor, 0xf92dceb567f329edull},
        {didaVud, cupDecor, 0xf74de03cd42cdf32ull},
    };
    for (const Expected& e : expected) {
        const std::uint64_t digest = scriptedFight(e.opponent, e.decor);
        EXPECT_TRUE(knockedOut()) << "opponent " << e.opponent;
        EXPECT_EQ(digest, e.digest)
            << "opponent " << e.opponent << ", decor " << e.decor
            << ": the frames or the sounds differ (0x" << std::hex << digest << ")";
    }
}
