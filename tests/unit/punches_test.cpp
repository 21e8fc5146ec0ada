#include "game/knockout.h"
#include "game/punches.h"
#include "game/state.h"
#include "sound/sound.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct RightRow {
    float roll, pitch, yaw, elbow, wrist;
};
struct LeftRow {
    float roll, pitch, elbow, wrist;
};

void expectRight(const RightRow& row, int tick) {
    EXPECT_EQ(playerRightArm.shoulderRoll, row.roll) << "tick " << tick;
    EXPECT_EQ(playerRightArm.shoulderPitch, row.pitch) << "tick " << tick;
    EXPECT_EQ(playerRightArm.shoulderYaw, row.yaw) << "tick " << tick;
    EXPECT_EQ(playerRightArm.elbowBend, row.elbow) << "tick " << tick;
    EXPECT_EQ(playerRightArm.wristTurn, row.wrist) << "tick " << tick;
}

void expectLeft(const LeftRow& row, int tick) {
    EXPECT_EQ(playerLeftArm.shoulderRoll, row.roll) << "tick " << tick;
    EXPECT_EQ(playerLeftArm.shoulderPitch, row.pitch) << "tick " << tick;
    EXPECT_EQ(playerLeftArm.shoulderYaw, 0.0f) << "tick " << tick;
    EXPECT_EQ(playerLeftArm.elbowBend, row.elbow) << "tick " << tick;
    EXPECT_EQ(playerLeftArm.wristTurn, row.wrist) << "tick " << tick;
}

constexpr RightRow rightTable[] = {
    {27.5f, 70, 10, 60, 25}, {35, 110, 0, 0, 5},    {35, 110, 0, 0, 5},
    {27.5f, 70, 10, 60, 25}, {20, 30, 20, 120, 45}, {20, 30, 20, 120, 45},
};
constexpr LeftRow leftTable[] = {
    {27.5f, 77.5f, 60, 25}, {35, 110, 0, 5},   {35, 110, 0, 5},
    {27.5f, 77.5f, 60, 25}, {20, 45, 120, 45}, {20, 45, 120, 45},
};

class Punches : public testing::Test {
  protected:
    void SetUp() override {
        fightOpponent = 0;
        setFightStartValues();
    }
};

} // namespace

TEST_F(Punches, RightPunchFollowsItsTableTickByTick) {
    rightPunchActive = 1;
    rightPunchExtending = 1;
    for (int tick = 1; tick <= 6; ++tick) {
        EXPECT_EQ(advanceRightPunch(), tick == 3) << "tick " << tick;
        expectRight(rightTable[tick - 1], tick);
        EXPECT_EQ(rightPunchActive, tick < 6 ? 1 : 0) << "tick " << tick;
        EXPECT_EQ(rightPunchExtending, tick < 3 ? 1 : 0) << "tick " << tick;
    }
    EXPECT_FALSE(advanceRightPunch());
    expectRight({20, 30, 20, 120, 45}, 7);
}

TEST_F(Punches, LeftPunchFollowsItsTableTickByTick) {
    leftPunchActive = 1;
    leftPunchExtending = 1;
    for (int tick = 1; tick <= 6; ++tick) {
        EXPECT_EQ(advanceLeftPunch(), tick == 3) << "tick " << tick;
        expectLeft(leftTable[tick - 1], tick);
        EXPECT_EQ(leftPunchActive, tick < 6 ? 1 : 0) << "tick " << tick;
    }
    EXPECT_FALSE(advanceLeftPunch());
}

TEST_F(Punches, PressingAgainDuringTheExtensionChangesNothing) {
    const int swishes = soundRequests(Sound::punchSwish);
    throwRightPunch(true);
    advanceRightPunch();
    throwRightPunch(true); // the key again
    EXPECT_EQ(soundRequests(Sound::punchSwish) - swishes, 1);
    std::vector<int> reports;
    for (int tick = 2; tick <= 7; ++tick)
        if (advanceRightPunch())
            reports.push_back(tick);
    EXPECT_EQ(reports, std::vector<int>{3});
    expectRight({20, 30, 20, 120, 45}, 7);
    EXPECT_EQ(rightPunchActive, 0);
}

TEST_F(Punches, PressingAgainDuringTheReturnExtendsFromWhereTheArmIs) {
    leftPunchActive = leftPunchExtending = 1;
    for (int tick = 1; tick <= 4; ++tick)
        advanceLeftPunch();
    expectLeft({27.5f, 77.5f, 60, 25}, 4);
    leftPunchActive = leftPunchExtending = 1;
    EXPECT_FALSE(advanceLeftPunch()); // tick 5: extends again
    expectLeft({35, 110, 0, 5}, 5);
    EXPECT_TRUE(advanceLeftPunch()); // tick 6: found extended, reported again
    EXPECT_EQ(leftPunchExtending, 0);
}

TEST_F(Punches, AKeyPressedEveryTickKeepsTheArmOutAndReportsEveryTick) {
    rightPunchActive = rightPunchExtending = 1;
    advanceRightPunch();
    advanceRightPunch();
    for (int tick = 3; tick <= 10; ++tick) {
        EXPECT_TRUE(advanceRightPunch()) << "tick " << tick;
        expectRight({35, 110, 0, 0, 5}, tick);
        rightPunchExtending = 1;
    }
}

TEST_F(Punches, BothPunchesRunAtOnceEachOnItsOwnFlags) {
    rightPunchActive = rightPunchExtending = 1;
    leftPunchActive = leftPunchExtending = 1;
    for (int tick = 1; tick <= 6; ++tick) {
        EXPECT_EQ(advanceRightPunch(), tick == 3);
        EXPECT_EQ(advanceLeftPunch(), tick == 3);
        expectRight(rightTable[tick - 1], tick);
        expectLeft(leftTable[tick - 1], tick);
    }
}

TEST_F(Punches, InactivePunchesAndBobDoNothing) {
    EXPECT_FALSE(advanceRightPunch());
    EXPECT_FALSE(advanceLeftPunch());
    advanceStepBob();
    expectRight({20, 30, 20, 120, 45}, 0);
    expectLeft({20, 45, 120, 45}, 0);
}

TEST_F(Punches, BobTakesTwelveTicksUpFiveAndBack) {
    stepBobActive = 1;
    const float leftPitch[] = {46, 47, 48, 49, 50, 50, 49, 48, 47, 46, 45, 45};
    for (int tick = 1; tick <= 12; ++tick) {
        advanceStepBob();
        EXPECT_EQ(playerLeftArm.shoulderPitch, leftPitch[tick - 1]) << "tick " << tick;
        EXPECT_EQ(playerRightArm.shoulderPitch, leftPitch[tick - 1] - 15) << "tick " << tick;
        EXPECT_EQ(stepBobActive, tick < 12 ? 1 : 0) << "tick " << tick;
    }
    EXPECT_EQ(stepBobRising, 1);
}

TEST_F(Punches, APunchAtTheTopOfTheBobReaches115AndTheBobResumesWhereItWas) {
    stepBobActive = 1;
    for (int tick = 0; tick < 5; ++tick)
        advanceStepBob();
    ASSERT_EQ(playerLeftArm.shoulderPitch, 50);
    leftPunchActive = leftPunchExtending = 1;
    rightPunchActive = rightPunchExtending = 1;
    // The fight's tick: the bob runs only while no punch is active.
    auto tick = [] {
        advanceRightPunch();
        advanceLeftPunch();
        if (!leftPunchActive && !rightPunchActive)
            advanceStepBob();
    };
    tick();
    tick();
    EXPECT_EQ(playerLeftArm.shoulderPitch, 115);
    EXPECT_EQ(playerRightArm.shoulderPitch, 115);
    for (int i = 0; i < 4; ++i)
        tick();
    // The punches ended in this tick, so the bob took its paused turning step.
    EXPECT_EQ(playerLeftArm.shoulderPitch, 50);
    EXPECT_EQ(playerRightArm.shoulderPitch, 35);
    EXPECT_EQ(stepBobActive, 1);
    EXPECT_EQ(stepBobRising, 0);
    for (int i = 0; i < 6; ++i)
        tick();
    EXPECT_EQ(playerLeftArm.shoulderPitch, 45);
    EXPECT_EQ(playerRightArm.shoulderPitch, 30);
    EXPECT_EQ(stepBobActive, 0);
}

TEST_F(Punches, AKeyStartsAPunchFromRestOrOnItsWayBackNotWhileItExtends) {
    EXPECT_TRUE(startLeftPunch());
    EXPECT_FALSE(startLeftPunch());
    for (int tick = 1; tick <= 4; ++tick)
        advanceLeftPunch();
    EXPECT_TRUE(startLeftPunch());
    EXPECT_EQ(leftPunchExtending, 1);
    EXPECT_TRUE(startRightPunch());
}

TEST_F(Punches, OnlyScoringHitsThudAndThePointPastFortyRingsTheBellsOnce) {
    const int thuds = soundRequests(Sound::punchThud);
    const int bells = soundRequests(Sound::knockOutBells);
    opponentDistance = 1.5f;
    applyHitRule();
    EXPECT_EQ(soundRequests(Sound::punchThud), thuds);
    opponentDistance = 1.25f;
    for (int point = 1; point <= 42; ++point) {
        applyHitRule();
        EXPECT_EQ(soundRequests(Sound::punchThud) - thuds, point);
        EXPECT_EQ(soundRequests(Sound::knockOutBells) - bells, point > 40 ? 1 : 0) << point;
    }
}
