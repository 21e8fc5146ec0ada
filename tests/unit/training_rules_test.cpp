#include "game/state.h"
#include "game/training_rules.h"
#include "sound/sound.h"
#include "text/print_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class TrainingRules : public testing::Test {
  protected:
    void SetUp() override { setTrainingStartValues(punchBagTraining); }

    void start(int kind) { setTrainingStartValues(kind); }

    static void pressRight() {
        rightPunchActive = 1;
        rightPunchExtending = 1;
    }
    static void pressLeft() {
        leftPunchActive = 1;
        leftPunchExtending = 1;
    }

    // A whole undisturbed right punch: six ticks from the key to the end.
    static void rightPunch() {
        pressRight();
        for (int tick = 0; tick < 6; ++tick)
            advanceTraining();
    }
};

} // namespace

TEST_F(TrainingRules, BagCountsEveryPunchAndEndsAtTwenty) {
    for (int punch = 1; punch <= 19; ++punch) {
        rightPunch();
        EXPECT_EQ(trainingHits, punch);
        EXPECT_EQ(trainingFinished, 0);
    }
    rightPunch();
    EXPECT_EQ(trainingHits, 20);
    EXPECT_EQ(trainingPunches, 20);
    EXPECT_EQ(trainingFinished, 1);
    EXPECT_EQ(ballAngle, -25);
    const int percent = trainingPercentOf(trainingHits, trainingPunches);
    EXPECT_EQ(percent, 100);
    EXPECT_STREQ(word(trainingRating(percent).word), "EXCELLENT");
}

TEST_F(TrainingRules, FullExtensionIsCountedOnTheThirdTick) {
    pressRight();
    advanceTraining();
    advanceTraining();
    EXPECT_EQ(trainingPunches, 0);
    advanceTraining();
    EXPECT_EQ(trainingPunches, 1);
}

TEST_F(TrainingRules, BallSwingsOnATwentyTwoTickCycle) {
    start(punchingBallTraining);
    int angles[44];
    for (int& angle : angles) {
        advanceTraining();
        angle = ballAngle;
    }
    const int firstCycle[22] = {-20, -15, -10, -5, 0, 5,  10,  15,  20,  25,  25,
                                20,  15,  10,  5,  0, -5, -10, -15, -20, -25, -25};
    for (int tick = 0; tick < 44; ++tick)
        EXPECT_EQ(angles[tick], firstCycle[tick % 22]) << "tick " << tick + 1;
}

TEST_F(TrainingRules, BallCountsOnlyAgainstTheAngleTheLastTickLeft) {
    start(punchingBallTraining);
    // Each tick of the cycle: press so that the punch reaches full extension then, and see
    // whether it counted. The angle the previous tick left decides.
    int counted = 0;
    for (int tick = 1; tick <= 22; ++tick) {
        start(punchingBallTraining);
        for (int before = 1; before < tick; ++before)
            advanceTraining();
        const int angleBefore = ballAngle;
        // Full extension is found on the third tick after the key; align it with this tick
        // by pressing with the arm already fully extended.
        playerRightArm.shoulderYaw = 0.0f;
        rightPunchActive = 1;
        rightPunchExtending = 1;
        advanceTraining();
        EXPECT_EQ(trainingPunches, 1);
        EXPECT_EQ(trainingHits, angleBefore <= -20 ? 1 : 0) << "tick " << tick;
        counted += trainingHits;
    }
    EXPECT_EQ(counted, 4); // angles -25 (start), -20, -20, -25 before the ticks 1, 2, 21, 22
}

TEST_F(TrainingRules, BothPunchesInOneTickCanPassTwentyAndStillEnd) {
    trainingHits = 19;
    trainingPunches = 30;
    playerRightArm.shoulderYaw = 0.0f;
    playerLeftArm.elbowBend = 0.0f;
    pressRight();
    pressLeft();
    advanceTraining();
    EXPECT_EQ(trainingHits, 21);
    EXPECT_EQ(trainingPunches, 32);
    EXPECT_EQ(trainingFinished, 1);
}

TEST_F(TrainingRules, AFinishedTrainingNoLongerMoves) {
    start(punchingBallTraining);
    trainingFinished = 1;
    pressRight();
    for (int tick = 0; tick < 10; ++tick)
        advanceTraining();
    EXPECT_EQ(ballAngle, -25);
    EXPECT_EQ(trainingPunches, 0);
    EXPECT_EQ(playerRightArm.shoulderPitch, playerRightRestPose.shoulderPitch);
}

TEST(TrainingRatings, PercentTruncatesAndRatesAtNinetyAndFifty) {
    struct Case {
        int hits, punches, percent;
        const char* rating;
        int xFromCentre;
    };
    const Case cases[] = {
        {20, 20, 100, "EXCELLENT", -120},
        {20, 40, 50, "MOYEN", -75},
        {20, 41, 48, "OU LE GROS MAUVAIS", -270},
        {20, 22, 90, "EXCELLENT", -120},
        {20, 23, 86, "MOYEN", -75},
        {21, 42, 50, "MOYEN", -75},
    };
    for (const Case& c : cases) {
        const int percent = trainingPercentOf(c.hits, c.punches);
        EXPECT_EQ(percent, c.percent) << c.hits << "/" << c.punches;
        EXPECT_STREQ(word(trainingRating(percent).word), c.rating);
        EXPECT_EQ(centredTextX(0, static_cast<int>(std::strlen(c.rating)), 30) +
                      trainingRating(percent).nudge,
                  c.xFromCentre);
    }
    EXPECT_STREQ(word(trainingRating(89).word), "MOYEN");
    EXPECT_STREQ(word(trainingRating(49).word), "OU LE GROS MAUVAIS");
}

TEST_F(TrainingRules, CountedHitsThudOnTheBagSlapOnTheBallAndTheEndRingsOnce) {
    const int thuds = soundRequests(Sound::punchThud), bells = soundRequests(Sound::bell);
    for (int punch = 1; punch <= 21; ++punch)
        rightPunch();
    EXPECT_EQ(soundRequests(Sound::punchThud) - thuds, 20);
    EXPECT_EQ(soundRequests(Sound::bell) - bells, 1);

    start(punchingBallTraining);
    const int slaps = soundRequests(Sound::ballSlap);
    for (int tick = 0; tick < 9; ++tick) // the ball swings away: nothing counts
        advanceTraining();
    rightPunch();
    EXPECT_EQ(trainingPunches, 1);
    EXPECT_EQ(soundRequests(Sound::ballSlap), slaps);
    for (int tick = 0; tick < 5; ++tick) // the next punch lands at the near end of the swing
        advanceTraining();
    rightPunch();
    EXPECT_EQ(trainingHits, 1);
    EXPECT_EQ(soundRequests(Sound::ballSlap) - slaps, 1);
    EXPECT_EQ(soundRequests(Sound::punchThud) - thuds, 20);
}
