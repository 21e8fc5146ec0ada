// The paced idle in GLUT's real main loop. glutMainLoop closes GLUT down when it is left, so
// each test opens the window again if the one before ran the loop; the test keeps a connection
// of its own open meanwhile, so that the X server never sees its last client leave (Xvfb
// resets itself then, and a connection made during the reset fails).

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

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int steps = 0;
std::vector<Clock::time_point> stepTimes;
int stepsAtKey = -1, stepsAtFrameAfterKey = -1;
int stepsAtStop = -1;
// Slow frames: when each was drawn, in steps, and what the loop did around them.
constexpr int slowFrameMs = 40, keyFrame = 10, changeStep = 40;
std::vector<int> stepsAtFrames;
int stepsWhenKeySent = -1;
int stepsOfTheOtherKind = 0;

// What the loop did, in order: each step at its time, and each of the test's own 1 ms timers
// at its due time (GLUT's milliseconds).
struct LoopEvent {
    bool step;
    int ms;
};
std::vector<LoopEvent> loopEvents;

void heartbeat(int due) {
    loopEvents.push_back({false, due});
    const int now = glutGet(GLUT_ELAPSED_TIME);
    glutTimerFunc(1, heartbeat, now + 1);
}

void countingStep() {
    stepTimes.push_back(Clock::now());
    loopEvents.push_back({true, glutGet(GLUT_ELAPSED_TIME)});
    if (++steps == 1)
        heartbeat(glutGet(GLUT_ELAPSED_TIME));
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
        display, step, keys, nullptr, onTrainingVisibility, reshapeScreen45, PadLayout::training,
        "test"};
    glutTimerFunc(50, enterScripted, 0);
    glutTimerFunc(leaveAfter, leaveLoop, 0);
    glutMainLoop();
}

// The x key, sent to the game's window on its own connection; once the server has answered,
// the key waits in the connection's queue for the loop's next pass.
void queueKey() {
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    XEvent event{};
    event.xkey.type = KeyPress;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.same_screen = True;
    event.xkey.keycode = XKeysymToKeycode(display, XK_x);
    XSendEvent(display, window, False, KeyPressMask, &event);
    XSync(display, False);
}

class IdleLoop : public testing::Test {
  protected:
    static void SetUpTestSuite() { keepServerUp = XOpenDisplay(nullptr); }
    static void TearDownTestSuite() { XCloseDisplay(keepServerUp); }
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
        loopEvents.clear();
        stepsAtStop = -1;
        stepsAtKey = stepsAtFrameAfterKey = stepsWhenKeySent = -1;
        stepsAtFrames.clear();
        stepsOfTheOtherKind = 0;
    }
    static Display* keepServerUp;
};
Display* IdleLoop::keepServerUp = nullptr;

// The game's answer to a hide, from a timer that fires while the pacer waits for the second
// step's slot.
void hideWindow(int) {
    stepsAtStop = steps;
    onTrainingVisibility(GLUT_NOT_VISIBLE);
}
void stepThenHideSoon() {
    if (++steps == 1)
        glutTimerFunc(4, hideWindow, 0);
}
// The display stops the screen's idle after a step, as the finished training does.
void stopAfterTwoSteps() {
    if (steps >= 2 && stepsAtStop < 0) {
        stepsAtStop = steps;
        installIdle(nullptr);
    }
}
void stepSendingAKey() {
    if (++steps == 3)
        queueKey();
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

// Frames slower than the steps: a frame takes 40 ms (25 a second). The tenth sends a key; the
// 40th step installs another step, as the knock-out does.
void slowFrame() {
    stepsAtFrames.push_back(steps);
    if (stepsAtFrames.size() == keyFrame) {
        stepsWhenKeySent = steps;
        queueKey();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(slowFrameMs));
}
void otherStep() {
    ++steps;
    ++stepsOfTheOtherKind;
    glutPostRedisplay();
}
void stepThenChange() {
    if (++steps == changeStep)
        installIdle(otherStep);
    glutPostRedisplay();
}

} // namespace

TEST_F(IdleLoop, ATimerSetBeforeAHideOrAStopStepsNothing) {
    runMainLoop(noDisplay, stepThenHideSoon, noKeys, 250);
    EXPECT_GE(stepsAtStop, 1);
    EXPECT_EQ(steps, stepsAtStop);
    EXPECT_EQ(installedIdle(), nullptr);

    SetUp();
    runMainLoop(stopAfterTwoSteps, countingStep, noKeys, 250);
    EXPECT_GE(stepsAtStop, 2);
    EXPECT_EQ(steps, stepsAtStop);
}

TEST_F(IdleLoop, StepsComeSixtyASecondAndTheLoopSleeps) {
    const double cpuAtStart = cpuSeconds();
    runMainLoop(noDisplay, countingStep, noKeys, 550);
    EXPECT_LT(cpuSeconds() - cpuAtStart, 0.25); // half a second of waiting, not of spinning
    ASSERT_GE(stepTimes.size(), 2u);
    const IdlePacer rule;
    const auto seconds = [](Clock::duration d) { return std::chrono::duration<double>(d).count(); };
    // Never ahead of the slots (a loop held up catches up to them, never past them).
    for (std::size_t i = 1; i < stepTimes.size(); ++i)
        EXPECT_GE(seconds(stepTimes[i] - stepTimes.front()), i * rule.period - rule.slack);
    // No slower either, however busy the machine: once the loop has run a timer due later
    // than a step's slot, that step has come (freeglut runs due timers in the order they are
    // due). A slot is at most a period after the step before, its timer a millisecond later;
    // the rest is margin for the pacer being held up between reading the clock and setting
    // its timer.
    constexpr int latestStepMs = 25;
    int lastStep = 0, longestAwakeWithoutStep = 0;
    for (const LoopEvent& event : loopEvents) {
        if (event.step)
            lastStep = event.ms;
        else
            longestAwakeWithoutStep = std::max(longestAwakeWithoutStep, event.ms - lastStep);
    }
    EXPECT_LE(longestAwakeWithoutStep, latestStepMs);
}

// A key that reaches the game during a step is handled in the loop's next pass, before that
// pass's step: the steps run from a timer, which GLUT runs after the pass's events. The key's
// frame is drawn in the pass that handles it, after the step of a slot that is due by then,
// as the key's effect and the step's are drawn in one frame.
TEST_F(IdleLoop, AKeyIsHandledBeforeTheNextStepAndDrawnInItsPass) {
    runMainLoop(noteFrameAfterKey, stepSendingAKey, noteKey, 300);
    EXPECT_EQ(stepsAtKey, 3);
    EXPECT_TRUE(stepsAtFrameAfterKey == 3 || stepsAtFrameAfterKey == 4) << stepsAtFrameAfterKey;
}

// With frames slower than the steps, the steps due run together before the next frame, at
// most IdlePacer::mostStepsAFrame; a key that came during a frame is handled before them, and a
// step that installs another idle ends them, its frame drawn before the next step.
TEST_F(IdleLoop, SlowFramesGetTheStepsDueAfterTheirKeysAndBeforeAScreenChange) {
    runMainLoop(slowFrame, stepThenChange, noteKey, 1800);
    ASSERT_GT(steps, changeStep) << "too few steps: " << stepsAtFrames.size() << " frames";
    ASSERT_GE(stepsAtFrames.size(), keyFrame + 1u);
    int most = 0;
    for (std::size_t i = 1; i < stepsAtFrames.size(); ++i)
        most = std::max(most, stepsAtFrames[i] - stepsAtFrames[i - 1]);
    EXPECT_GE(most, 2); // a 40 ms frame is worth 2.4 steps: the loop caught up
    EXPECT_LE(most, IdlePacer{}.mostStepsAFrame);
    EXPECT_EQ(stepsAtKey, stepsWhenKeySent); // no step between the frame and its key
    EXPECT_NE(std::find(stepsAtFrames.begin(), stepsAtFrames.end(), changeStep),
              stepsAtFrames.end()); // the change's own frame, before the new step ran
    EXPECT_EQ(stepsOfTheOtherKind, steps - changeStep);
}
