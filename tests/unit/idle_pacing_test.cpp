#include "app/idle_pacing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

double onTime(double slot) {
    return slot;
}

// What the loop did: when each frame's steps ran, and how many.
struct Played {
    std::vector<double> steps; // one time for each step
    std::vector<int> perFrame;
};

// Runs the pacer the way the game's loop does, on a clock the test controls: the loop comes
// round at the given times (a frame drawn, or events), waits for the next slot if it has not
// come (the timer wakes when `wake` says), then runs the steps due before the next frame.
Played play(const std::vector<double>& attempts, double (*wake)(double) = onTime) {
    IdlePacer pacer;
    Played played;
    double now = 0.0;
    for (double attempt : attempts) {
        now = std::max(now, attempt);
        if (const double wait = pacer.waitBefore(now); wait > 0.0)
            now = wake(now + wait);
        const int due = pacer.stepsDue(now);
        for (int i = 0; i < due; ++i) {
            pacer.stepped(now);
            played.steps.push_back(now);
        }
        played.perFrame.push_back(due);
    }
    return played;
}

// A loop whose every frame takes `frame` seconds, for `seconds`: it comes round again as soon
// as the frame is drawn.
std::vector<double> framesEvery(double frame, double seconds) {
    std::vector<double> attempts;
    for (double t = 0.0; t < seconds; t += frame)
        attempts.push_back(t);
    return attempts;
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

// From the first frame to the last, the first frame's steps aside.
double stepsPerSecond(const Played& played, const std::vector<double>& attempts) {
    return (played.steps.size() - played.perFrame.front()) / attempts.back();
}

} // namespace

TEST(IdlePacing, AFastLoopGetsSixtyStepsASecondOneAFrame) {
    const auto played = play(framesEvery(1 / 2500.0, 3.0)); // a bare llvmpipe frame rate
    EXPECT_LE(mostStepsInAnySecond(played.steps), 60);
    EXPECT_GE(mostStepsInAnySecond(played.steps), 59);
    for (std::size_t i = 1; i < played.steps.size(); ++i)
        EXPECT_GE(played.steps[i] - played.steps[i - 1], 1.0 / 60.0 - 1e-12);
    EXPECT_EQ(*std::max_element(played.perFrame.begin(), played.perFrame.end()), 1);
}

TEST(IdlePacing, SlowFramesCatchUpToSixtyStepsASecondDownToTheBound) {
    const IdlePacer rule;
    const double slowest = rule.mostStepsAFrame * rule.period; // 15 frames a second
    for (double frame : {0.018, 0.030, 0.040, 0.055, slowest - 0.001}) {
        const auto attempts = framesEvery(frame, 10.0);
        const auto played = play(attempts);
        // Every slot come by the last frame has its step, but the few of one frame.
        const double slots = std::floor(attempts.back() / rule.period) + 1;
        EXPECT_LE(played.steps.size(), slots) << frame;
        EXPECT_GE(played.steps.size(), slots - rule.mostStepsAFrame) << frame;
        EXPECT_LE(mostStepsInAnySecond(played.steps), 60 + rule.mostStepsAFrame) << frame;
        EXPECT_LE(*std::max_element(played.perFrame.begin(), played.perFrame.end()),
                  rule.mostStepsAFrame)
            << frame;
        // Every frame carries at least the whole slots its time is worth.
        for (std::size_t i = 1; i < played.perFrame.size(); ++i)
            EXPECT_GE(played.perFrame[i], static_cast<int>(frame / rule.period)) << frame;
    }
}

// Gradually, down to a frame a second: no frame shorter than that is taken for a stall, which
// owes nothing (a step a frame from a second on).
TEST(IdlePacing, BelowTheBoundTheGameSlowsByFramesOfTheMostSteps) {
    const IdlePacer rule;
    for (double frame : {0.1, 0.15, 0.2, 0.249, 0.251, 0.3, 0.5, 0.75, 0.99, 1.0, 1.5}) {
        auto attempts = framesEvery(frame, 30.0);
        const double owed =
            frame < 1.0 ? std::min(60.0, rule.mostStepsAFrame / frame) : 1.0 / frame;
        EXPECT_NEAR(stepsPerSecond(play(attempts), attempts), owed, 0.01 * owed) << frame;
        // It does not fall further behind: back to fast frames, one step a frame at once.
        for (int i = 1; i <= 60; ++i)
            attempts.push_back(attempts.back() + rule.period);
        const auto recovered = play(attempts);
        EXPECT_EQ(recovered.perFrame.back(), 1) << frame;
        EXPECT_EQ(*std::max_element(recovered.perFrame.end() - 55, recovered.perFrame.end()), 1)
            << frame;
    }
}

TEST(IdlePacing, AStallIsNotCaughtUpWithABurst) {
    std::vector<double> attempts{0.0, 0.01, 0.02, 0.03};
    for (double stall : {1.1, 2.0, 60.0}) { // the last step at 0.05
        attempts.resize(4);
        for (int i = 0; i < 200; ++i)
            attempts.push_back(stall + i * 0.001); // the loop comes back after the stall
        const auto played = play(attempts);
        ASSERT_EQ(played.perFrame[4], 1) << stall; // the first step after the stall at once...
        EXPECT_DOUBLE_EQ(played.steps[played.perFrame[0] + played.perFrame[1] + played.perFrame[2] +
                                      played.perFrame[3]],
                         stall);
        for (std::size_t i = 1; i < played.steps.size(); ++i) // ...and none in a burst
            EXPECT_GE(played.steps[i] - played.steps[i - 1], 1.0 / 60.0 - 1e-12) << stall;
    }
}

TEST(IdlePacing, ATimeWithNoStepInstalledIsOwedNoSteps) {
    IdlePacer pacer;
    pacer.stepped(0.0);
    pacer.stepped(0.1); // steps until 0.1, then none installed (a hidden window) until 0.2
    pacer.restart(0.2);
    EXPECT_EQ(pacer.stepsDue(0.2), 1);
    pacer.stepped(0.2);
    EXPECT_EQ(pacer.stepsDue(0.2 + 0.5 * pacer.period), 0);
    EXPECT_EQ(pacer.stepsDue(0.2 + pacer.period), 1);
}

TEST(IdlePacing, TimersOnWholeMillisecondsStillGiveSixtyStepsASecondOneAFrame) {
    // A GLUT timer wakes on a whole millisecond after the slot, and a little later still.
    const auto played = play(std::vector<double>(600, 1.0004), [](double slot) {
        return std::ceil(slot * 1000.0) / 1000.0 + 0.0003;
    });
    EXPECT_EQ(played.steps.size(), 600u);
    EXPECT_NEAR(played.steps.back() - played.steps.front(), 599 / 60.0, 0.0015); // no drift
    EXPECT_LE(mostStepsInAnySecond(played.steps), 60);
}
