#include "game/opponent_pose.h"
#include "game/state.h"

#include <gtest/gtest.h>

namespace {

void expectPose(const ArmPose& actual, const ArmPose& expected) {
    EXPECT_EQ(actual.shoulderRoll, expected.shoulderRoll);
    EXPECT_EQ(actual.shoulderPitch, expected.shoulderPitch);
    EXPECT_EQ(actual.shoulderYaw, expected.shoulderYaw);
    EXPECT_EQ(actual.elbowBend, expected.elbowBend);
    EXPECT_EQ(actual.wristTurn, expected.wristTurn);
}

void scrambleFight() {
    fightPoints = 41;
    eyeHeight = 1.5f;
    opponentDistance = 1.25f;
    sideOffset = -3.5f;
    orbitAngle = -350;
    opponentTurnFrozen = 1;
    stepBobActive = 1;
    stepBobRising = 0;
    koSpin = 200;
    opponentStepActive = 1;
    rightPunchActive = rightPunchExtending = leftPunchActive = leftPunchExtending = 1;
    playerRightArm = {1, 2, 3, 4, 5};
    playerLeftArm = {6, 7, 8, 9, 10};
    opponentRightLegSpread = opponentLeftLegSpread = 3;
    opponentSwayRising = 1;
    opponentStepOpening = 0;
}

} // namespace

// Runs first in its own process: the values every variable has at program start.
TEST(GameState, LoadValues) {
    EXPECT_EQ(eyeHeight, 3.0f);
    EXPECT_EQ(opponentDistance, 2.0f);
    EXPECT_EQ(ballAngle, -25);
    EXPECT_EQ(ballSwingUp, 1);
    EXPECT_EQ(fightPoints, 0);
    EXPECT_EQ(sideOffset, 0.0f);
    EXPECT_EQ(orbitAngle, 0);
    EXPECT_EQ(stepBobRising, 0);
    EXPECT_EQ(koSpin, 0);
    EXPECT_EQ(trainingHits, 0);
    EXPECT_EQ(trainingFinished, 0);
    expectPose(playerLeftArm, {0, 0, 0, 0, 0});
    expectPose(opponentRightArm, {0, 0, 0, 0, 0});
}

TEST(GameState, FightStartValuesWhateverThePreviousFightLeft) {
    const struct {
        int opponent;
        ArmPose right, left;
    } starts[] = {
        {radovEze, {25, -10, 20, 140, 45}, {30, 5, 20, 130, 45}},
        {radovEzeBlack, {25, -10, 20, 45, 45}, {30, -10, 25, 140, 45}},
        {didaVud, {25, -20, 20, 110, 45}, {30, -20, 20, 110, 45}},
    };
    for (const auto& start : starts) {
        scrambleFight();
        fightOpponent = start.opponent;
        setFightStartValues();
        EXPECT_EQ(fightPoints, 0);
        EXPECT_EQ(eyeHeight, 3.0f);
        EXPECT_EQ(opponentDistance, 2.0f);
        EXPECT_EQ(sideOffset, 0.0f);
        EXPECT_EQ(orbitAngle, 0);
        EXPECT_EQ(opponentTurnFrozen, 0);
        EXPECT_EQ(stepBobActive, 0);
        EXPECT_EQ(stepBobRising, 1);
        EXPECT_EQ(koSpin, 0);
        EXPECT_EQ(opponentStepActive, 0);
        EXPECT_EQ(rightPunchActive + rightPunchExtending + leftPunchActive + leftPunchExtending, 0);
        expectPose(playerRightArm, {20, 30, 20, 120, 45});
        expectPose(playerLeftArm, {20, 45, 0, 120, 45});
        expectPose(opponentRightArm, start.right);
        expectPose(opponentLeftArm, start.left);
        EXPECT_EQ(opponentRightLegSpread, 0.0f);
        EXPECT_EQ(opponentLeftLegSpread, 0.0f);
        EXPECT_EQ(opponentSwayRising, 0);
        EXPECT_EQ(opponentStepOpening, 1);
    }
}

TEST(GameState, UnknownOpponentKeepsThePreviousPose) {
    scrambleFight();
    opponentRightArm = {1, 2, 3, 4, 5};
    fightOpponent = 4;
    setFightStartValues();
    expectPose(opponentRightArm, {1, 2, 3, 4, 5});   // untouched by the pose...
    expectPose(playerRightArm, playerRightRestPose); // ...while the rest of the fight restarts
    EXPECT_EQ(opponentRightLegSpread, 3.0f);
    EXPECT_EQ(opponentSwayRising, 1);
    setOpponentStartPose(0);
    EXPECT_EQ(opponentStepOpening, 0);
}

TEST(GameState, RestPoseKeepsThePhaseFlags) {
    scrambleFight();
    setOpponentRestPose();
    expectPose(opponentRightArm, {30, 0, 0, 0, 45});
    expectPose(opponentLeftArm, {30, 0, 0, 0, 45});
    EXPECT_EQ(opponentRightLegSpread, 0.0f);
    EXPECT_EQ(opponentLeftLegSpread, 0.0f);
    EXPECT_EQ(opponentSwayRising, 1);
    EXPECT_EQ(opponentStepOpening, 0);
    EXPECT_EQ(opponentStepActive, 1);
}

TEST(GameState, TrainingStartValues) {
    trainingFinished = 1;
    trainingHits = 20;
    trainingPunches = 33;
    trainingPercent = 60;
    ballAngle = 10;
    ballSwingUp = 0;
    rightPunchActive = leftPunchExtending = 1;
    playerLeftArm = {1, 1, 1, 1, 1};
    setTrainingStartValues(punchingBallTraining);
    EXPECT_EQ(trainingKind, 2);
    EXPECT_EQ(trainingFinished, 0);
    EXPECT_EQ(trainingHits, 0);
    EXPECT_EQ(trainingPunches, 0);
    EXPECT_EQ(trainingPercent, 0);
    EXPECT_EQ(ballAngle, -25);
    EXPECT_EQ(ballSwingUp, 1);
    EXPECT_EQ(rightPunchActive + leftPunchExtending, 0);
    expectPose(playerLeftArm, playerLeftRestPose);
    expectPose(playerRightArm, playerRightRestPose);
}
