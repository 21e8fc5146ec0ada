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
std::vector<Clock::time_point> stepTimes;
int stepsAtKey = -1, stepsAtFrameAfterKey = -1;
std::atomic<int> stepsWhenKeyQueued{-1};
std::thread keySender;
Window gameWindow = 0;

void countingStep() {
    ++steps;
    stepTimes.push_back(Clock::now());
    glutPostRedisplay();
}
void noDisplay() {}
void noKeys(unsigned char, int, int) {}
void leaveLoop(int) {
    glutLeaveMainLoop();
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

ScreenCallbacks scripted{};
void enterScripted(int) {
    registerScreenCallbacks(scripted);
}

// The game's own loop, with a screen of these callbacks entered after 50 ms, left after
// `leaveAfter` ms.
void runMainLoop(void (*display)(), IdleStep step, void (*keys)(unsigned char, int, int),
                 unsigned leaveAfter) {
    scripted = {
        display, step, keys, nullptr, onTrainingVisibility, reshapeScreen45, PadLayout::training};
    glutTimerFunc(50, enterScripted, 0);
    glutTimerFunc(leaveAfter, leaveLoop, 0);
    glutMainLoop();
}

// A key from another X connection 4 ms after a step, while the pacer waits for the next.
void sendKeyLater() {
    keySender = std::thread([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(4));
        Display* display = XOpenDisplay(nullptr);
        XEvent event{};
        event.xkey.type = KeyPress;
        event.xkey.window = gameWindow;
        event.xkey.root = DefaultRootWindow(display);
        event.xkey.same_screen = True;
        event.xkey.keycode = XKeysymToKeycode(display, XK_x);
        XSendEvent(display, gameWindow, False, KeyPressMask, &event);
        XSync(display, False); // the game has the key in its queue from here on
        stepsWhenKeyQueued = steps.load();
        XCloseDisplay(display);
    });
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
        glutDisplayFunc(noDisplay);
        installIdle(nullptr);
        steps = 0;
        stepTimes.clear();
    }
};

void hideWindow(int) {
    glutHideWindow();
}
void stepThenHideSoon() {
    if (++steps == 1)
        glutTimerFunc(4, hideWindow, 0);
}
void stopAfterTwoSteps() {
    if (steps == 2)
        installIdle(nullptr);
}
void stepSendingAKey() {
    if (++steps == 3)
        sendKeyLater();
    glutPostRedisplay();
}
void noteKey(unsigned char, int, int) {
    stepsAtKey = steps;
    glutPostRedisplay();
}
void noteFrameAfterKey() {
    if (stepsAtKey >= 0 && stepsAtFrameAfterKey < 0)
        stepsAtFrameAfterKey = steps;
}

} // namespace

TEST_F(IdleLoop, ATimerSetBeforeAHideOrAStopStepsNothing) {
    // Hidden (a real unmap) while the pacer waits for the second step's slot.
    runMainLoop(noDisplay, stepThenHideSoon, noKeys, 250);
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(installedIdle(), nullptr);

    // The display stops the screen's idle right after a step, as the finished training does.
    SetUp();
    runMainLoop(stopAfterTwoSteps, countingStep, noKeys, 250);
    EXPECT_EQ(steps, 2);
}

TEST_F(IdleLoop, StepsNeverComeFasterThanSixtyASecondAndTheLoopSleeps) {
    const double cpuAtStart = cpuSeconds();
    runMainLoop(noDisplay, countingStep, noKeys, 550);
    EXPECT_LT(cpuSeconds() - cpuAtStart, 0.25); // half a second of waiting, not of spinning
    ASSERT_GE(stepTimes.size(), 2u);
    const IdlePacer rule;
    const auto seconds = [](Clock::duration d) { return std::chrono::duration<double>(d).count(); };
    for (std::size_t i = 1; i < stepTimes.size(); ++i)
        EXPECT_GE(seconds(stepTimes[i] - stepTimes[i - 1]), rule.period - rule.slack);
    EXPECT_GE(seconds(stepTimes.back() - stepTimes.front()),
              (stepTimes.size() - 1) * rule.period - rule.slack);
}

TEST_F(IdleLoop, AKeyIsHandledAndDrawnBeforeTheNextStep) {
    gameWindow = glXGetCurrentDrawable();
    runMainLoop(noteFrameAfterKey, stepSendingAKey, noteKey, 300);
    keySender.join();
    ASSERT_GE(stepsWhenKeyQueued, 3);
    EXPECT_LE(stepsAtKey, stepsWhenKeyQueued);
    EXPECT_EQ(stepsAtFrameAfterKey, stepsAtKey); // the frame drawn for the key came first
}
