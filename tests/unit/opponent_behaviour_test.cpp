#include "game/opponent_behaviour.h"
#include "game/opponent_pose.h"
#include "game/state.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct SwayCase {
    int opponent;
    int cycle;
    float pitchSum;
    float bottom, top;
};

constexpr SwayCase swayCases[] = {
    {radovEze, 12, -5, 0, 5},
    {radovEzeBlack, 22, -20, -10, 0},
    {didaVud, 30, -40, -20, -6},
};

bool samePose(const ArmPose& a, const ArmPose& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

TEST(OpponentSway, EachOpponentCyclesBetweenItsLimitsAndComesBackToItsStartPose) {
    for (const SwayCase& c : swayCases) {
        SCOPED_TRACE(c.opponent);
        setOpponentStartPose(c.opponent);
        const ArmPose right = opponentRightArm, left = opponentLeftArm;
        float lowest = left.shoulderPitch, highest = left.shoulderPitch;
        for (int tick = 1; tick <= c.cycle; ++tick) {
            opponentSway(c.opponent);
            EXPECT_EQ(opponentRightArm.shoulderPitch + opponentLeftArm.shoulderPitch, c.pitchSum)
                << "tick " << tick;
            lowest = std::min(lowest, opponentLeftArm.shoulderPitch);
            highest = std::max(highest, opponentLeftArm.shoulderPitch);
            if (tick < c.cycle) {
                EXPECT_FALSE(samePose(opponentLeftArm, left) && opponentSwayRising == 0)
                    << "back at the start before the cycle ends, tick " << tick;
            }
        }
        EXPECT_TRUE(samePose(opponentRightArm, right));
        EXPECT_TRUE(samePose(opponentLeftArm, left));
        EXPECT_EQ(opponentSwayRising, 0);
        EXPECT_EQ(lowest, c.bottom);
        EXPECT_EQ(highest, c.top);
    }
}

TEST(OpponentSway, RadovEzeLowersItsLeftFistFirstAndTheOthersTurnFirst) {
    setOpponentStartPose(radovEze);
    opponentSway(radovEze);
    EXPECT_EQ(opponentLeftArm.shoulderPitch, 4);
    EXPECT_EQ(opponentRightArm.shoulderPitch, -9);

    setOpponentStartPose(didaVud);
    opponentSway(didaVud);
    EXPECT_EQ(opponentLeftArm.shoulderPitch, -20);
    EXPECT_EQ(opponentSwayRising, 1);
}

TEST(OpponentSway, UnknownOpponentsAndStartPoseFourChangeNothing) {
    setOpponentStartPose(radovEze);
    opponentSway(radovEze);
    const ArmPose right = opponentRightArm, left = opponentLeftArm;
    const Flag rising = opponentSwayRising;
    opponentStepOpening = 0;
    opponentRightLegSpread = opponentLeftLegSpread = 3;
    setOpponentStartPose(4);
    opponentSway(4);
    opponentSway(0);
    EXPECT_TRUE(samePose(opponentRightArm, right));
    EXPECT_TRUE(samePose(opponentLeftArm, left));
    EXPECT_EQ(opponentSwayRising, rising);
    EXPECT_EQ(opponentStepOpening, 0);
    EXPECT_EQ(opponentRightLegSpread, 3);
}

TEST(OpponentSideStep, OpensToFiveClosesAndEndsAtTickTwelve) {
    setOpponentStartPose(radovEze);
    opponentStepActive = 1;
    const float spread[] = {1, 2, 3, 4, 5, 5, 4, 3, 2, 1, 0, 0};
    for (int tick = 1; tick <= 12; ++tick) {
        opponentSideStep();
        EXPECT_EQ(opponentRightLegSpread, spread[tick - 1]) << "tick " << tick;
        EXPECT_EQ(opponentLeftLegSpread, spread[tick - 1]) << "tick " << tick;
        EXPECT_EQ(opponentStepActive, tick < 12 ? 1 : 0) << "tick " << tick;
        EXPECT_EQ(opponentStepOpening, tick < 6 || tick == 12 ? 1 : 0) << "tick " << tick;
    }
    opponentSideStep();
    EXPECT_EQ(opponentRightLegSpread, 0);
}

TEST(OpponentSideStep, RestartingWhileRunningKeepsItsPhase) {
    setOpponentStartPose(radovEze);
    opponentStepActive = 1;
    for (int tick = 1; tick <= 7; ++tick)
        opponentSideStep();
    opponentStepActive = 1; // another arrow
    opponentSideStep();
    EXPECT_EQ(opponentRightLegSpread, 3);
    EXPECT_EQ(opponentStepOpening, 0);
}
