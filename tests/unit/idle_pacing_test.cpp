#include "app/idle_pacing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

double onTime(double slot) {
    return slot;
}

// Runs the pacer the way the idle callback does, on a clock the test controls: the loop asks
// to run at the given times and each step happens once the wait is over, when `wake` says.
std::vector<double> stepTimes(const std::vector<double>& attempts,
                              double (*wake)(double) = onTime) {
    IdlePacer pacer;
    std::vector<double> steps;
    double now = 0.0;
    for (double attempt : attempts) {
        now = std::max(now, attempt);
        if (const double wait = pacer.waitBefore(now); wait > 0.0)
            now = wake(now + wait);
        pacer.stepped(now);
        steps.push_back(now);
    }
    return steps;
}

int mostStepsInAnySecond(const std::vector<double>& steps) {
    int most = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        int count = 0;
        for (std::size_t j = i; j < steps.size() && steps[j] < steps[i] + 1.0 - 1e-9;
             ++j) // half-open, rounding aside
            ++count;
        most = std::max(most, count);
    }
    return most;
}

} // namespace

TEST(IdlePacing, AFastLoopGetsSixtyStepsASecond) {
    std::vector<double> attempts;
    for (int i = 0; i < 2500 * 3; ++i)
        attempts.push_back(i / 2500.0); // a bare llvmpipe frame rate
    const auto steps = stepTimes(attempts);
    EXPECT_LE(mostStepsInAnySecond(steps), 60);
    EXPECT_GE(mostStepsInAnySecond(steps), 59);
    for (std::size_t i = 1; i < steps.size(); ++i)
        EXPECT_GE(steps[i] - steps[i - 1], 1.0 / 60.0 - 1e-12);
}

TEST(IdlePacing, AStallIsNotCaughtUpWithABurst) {
    std::vector<double> attempts{0.0, 0.01, 0.02};
    for (int i = 0; i < 200; ++i)
        attempts.push_back(2.0 + i * 0.001); // the loop comes back after a two-second stall
    const auto steps = stepTimes(attempts);
    EXPECT_DOUBLE_EQ(steps[3], 2.0); // the first step after the stall runs at once...
    for (std::size_t i = 4; i < steps.size(); ++i)
        EXPECT_GE(steps[i] - steps[i - 1], 1.0 / 60.0 - 1e-12); // ...and none run in a burst
    EXPECT_LE(mostStepsInAnySecond(steps), 60);
}

TEST(IdlePacing, ASlowLoopRunsAtItsOwnRate) {
    IdlePacer pacer;
    pacer.stepped(0.0);
    EXPECT_EQ(pacer.waitBefore(0.05), 0.0);
    EXPECT_NEAR(pacer.waitBefore(0.01), 1.0 / 60.0 - 0.01, 1e-12);
}

TEST(IdlePacing, TimersOnWholeMillisecondsStillGiveSixtyStepsASecond) {
    // A GLUT timer wakes on a whole millisecond after the slot, and a little later still.
    const auto steps = stepTimes(std::vector<double>(600, 1.0004), [](double slot) {
        return std::ceil(slot * 1000.0) / 1000.0 + 0.0003;
    });
    EXPECT_NEAR(steps.back() - steps.front(), 599 / 60.0, 0.0015); // no drift to 58 or 59
    EXPECT_LE(mostStepsInAnySecond(steps), 60);
}
