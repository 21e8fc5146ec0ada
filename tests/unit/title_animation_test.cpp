#include "menus/title_animation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TitleAnimation : public testing::Test {
  protected:
    void SetUp() override {
        titleBlinkCounter = 0;
        titleBlinkOn = 0;
        titleSlide = 0.0f;
        titleSlideOut = 1;
        titleRingSpin = 0;
    }
};

// The steps (1-based) at which the letters do not move.
std::vector<int> pausesWithin(int steps) {
    std::vector<int> pauses;
    for (int step = 1; step <= steps; ++step) {
        const float before = titleSlide;
        advanceTitleAnimation();
        if (titleSlide == before)
            pauses.push_back(step);
    }
    return pauses;
}

} // namespace

TEST_F(TitleAnimation, PromptHiddenForTwentyStepsThenShownForTwentyOne) {
    for (int step = 1; step <= 20; ++step) {
        advanceTitleAnimation();
        EXPECT_EQ(titleBlinkOn, 0) << "step " << step;
    }
    for (int step = 21; step <= 41; ++step) {
        advanceTitleAnimation();
        EXPECT_EQ(titleBlinkOn, 1) << "step " << step;
    }
    advanceTitleAnimation();
    EXPECT_EQ(titleBlinkOn, 0);
    EXPECT_EQ(titleBlinkCounter, 0);
}

TEST_F(TitleAnimation, LettersSwayOnACycleOfOneHundredAndSixSteps) {
    // Right for 51 steps, a pause, left for 52, a pause, and again.
    const std::vector<int> pauses = pausesWithin(3 * 106);
    EXPECT_EQ(pauses, (std::vector<int>{52, 105, 158, 211, 264, 317}));
}

TEST_F(TitleAnimation, LettersTurnJustPastTheirLimits) {
    for (int step = 0; step < 51; ++step)
        advanceTitleAnimation();
    EXPECT_NEAR(titleSlide, 0.51f, 1e-4f);
    EXPECT_EQ(titleSlideOut, 1);
    advanceTitleAnimation();
    EXPECT_EQ(titleSlideOut, 0);
    for (int step = 0; step < 52; ++step)
        advanceTitleAnimation();
    EXPECT_NEAR(titleSlide, -0.01f, 1e-4f);
    EXPECT_LT(titleSlide, 0.0f);
}

TEST_F(TitleAnimation, RingTurnsFiveDegreesAStepOnceAroundInSeventyTwo) {
    for (int step = 1; step < 72; ++step) {
        advanceTitleAnimation();
        EXPECT_EQ(titleRingSpin, 5 * step);
    }
    advanceTitleAnimation();
    EXPECT_EQ(titleRingSpin, 0);
}
