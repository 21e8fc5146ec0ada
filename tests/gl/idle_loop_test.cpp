// The paced idle in GLUT's real main loop. glutMainLoop closes GLUT down when it is left, so
// each test opens the window again if the one before ran the loop.

#include "app/idle_pacing.h"
#include "app/screen.h"
#include "app/window.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

// After gtest and the game's headers: Xlib defines None and Bool as macros.
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<int> steps{0};
int stepsAtKey = -1, stepsAtFrameAfterKey = -1;
std::vector<Clock::time_point> stepTimes;
std::vector<std::thread> senders;
std::atomic<int> stepsWhenKeyQueued{-1};

void countingStep() {
    ++steps;
    stepTimes.push_back(Clock::now());
    glutPostRedisplay();
}
void noDisplay() {}
void noKeys(unsigned char, int, int) {}

void enterScreen(void (*display)(), IdleStep step, void (*keys)(unsigned char, int, int)) {
    registerScreenCallbacks({display, step, keys, nullptr, onTrainingVisibility, reshapeScreen45});
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The game's own loop, with the screen entered after `enterAfter` ms, left after `leaveAfter`.
void runMainLoop(unsigned enterAfter, void (*enter)(int), unsigned leaveAfter) {
    glutTimerFunc(enterAfter, enter, 0);
    glutTimerFunc(
        leaveAfter, [](int) { glutLeaveMainLoop(); }, 0);
    glutMainLoop();
}

class IdleLoop : public testing::Test {
  protected:
    void SetUp() override {
        if (glutGetWindow() == 0) {
            int argc = 1;
            char name[] = "idle_loop_test";
            char* argv[] = {name, nullptr};
            openGameWindow(&argc, argv);
            glutSetWindowTitle("RUKO tests");
        }
        glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
        enterScreen(noDisplay, nullptr, noKeys);
        steps = 0;
        stepTimes.clear();
    }
};

} // namespace

TEST_F(IdleLoop, ATimerSetBeforeAHideOrAStopStepsNothing) {
    // Hidden (a real unmap) while the pacer waits for the second step's slot.
    runMainLoop(
        50,
        [](int) {
            enterScreen(
                noDisplay,
                [] {
                    if (++steps == 1)
                        glutTimerFunc(
                            4, [](int) { glutHideWindow(); }, 0);
                },
                noKeys);
        },
        250);
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(installedIdle(), nullptr);

    // The display stops the screen's idle right after a step, as the finished training does.
    SetUp();
    runMainLoop(
        50,
        [](int) {
            enterScreen(
                [] {
                    if (steps == 2)
                        installIdle(nullptr);
                },
                countingStep, noKeys);
        },
        250);
    EXPECT_EQ(steps, 2);
}

TEST_F(IdleLoop, StepsNeverComeFasterThanSixtyASecondAndTheLoopSleeps) {
    static double cpuAtStart = 0.0, cpuUsed = 0.0;
    runMainLoop(
        20,
        [](int) {
            cpuAtStart = cpuSeconds();
            enterScreen(noDisplay, countingStep, noKeys);
            glutTimerFunc(
                500, [](int) { cpuUsed = cpuSeconds() - cpuAtStart; }, 0);
        },
        530);
    ASSERT_GE(stepTimes.size(), 2u);
    const IdlePacer rule;
    const auto seconds = [](Clock::duration d) { return std::chrono::duration<double>(d).count(); };
    for (std::size_t i = 1; i < stepTimes.size(); ++i)
        EXPECT_GE(seconds(stepTimes[i] - stepTimes[i - 1]), rule.period - rule.slack);
    EXPECT_GE(seconds(stepTimes.back() - stepTimes.front()),
              (stepTimes.size() - 1) * rule.period - rule.slack);
    EXPECT_LT(cpuUsed, 0.25); // half a second of waiting, not of spinning
}

TEST_F(IdleLoop, AKeyIsHandledAndDrawnBeforeTheNextStep) {
    stepsAtKey = stepsAtFrameAfterKey = -1;
    const Window window = glXGetCurrentDrawable();
    static Window target;
    target = window;
    // Sent from another connection a few ms after a step, while the pacer waits for the next.
    static const auto sendKeyLater = [] {
        senders.emplace_back([] {
            std::this_thread::sleep_for(std::chrono::milliseconds(4));
            Display* display = XOpenDisplay(nullptr);
            XEvent event{};
            event.xkey.type = KeyPress;
            event.xkey.window = target;
            event.xkey.root = DefaultRootWindow(display);
            event.xkey.same_screen = True;
            event.xkey.keycode = XKeysymToKeycode(display, XK_x);
            XSendEvent(display, target, False, KeyPressMask, &event);
            XSync(display, False);
            stepsWhenKeyQueued = steps.load();
            XCloseDisplay(display);
        });
    };
    runMainLoop(
        50,
        [](int) {
            enterScreen(
                [] {
                    if (stepsAtKey >= 0 && stepsAtFrameAfterKey < 0)
                        stepsAtFrameAfterKey = steps;
                },
                [] {
                    if (++steps == 3)
                        sendKeyLater();
                    glutPostRedisplay();
                },
                [](unsigned char, int, int) {
                    stepsAtKey = steps;
                    glutPostRedisplay();
                });
        },
        300);
    for (std::thread& sender : senders)
        sender.join();
    senders.clear();
    ASSERT_GE(stepsWhenKeyQueued, 3);
    EXPECT_LE(stepsAtKey, stepsWhenKeyQueued);
    EXPECT_EQ(stepsAtFrameAfterKey, stepsAtKey);
}
