#include "app/idle_pacing.h"

#include <GL/glut.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

IdleStep currentStep = nullptr;
IdlePoll currentPoll = nullptr;
IdleStep stepHook = nullptr;
long long stepCount = 0;
IdlePacer pacer;
// Bumped by every install: a timer carries the generation it was set in and does nothing
// once its screen has removed or replaced its idle (a hide, a screen change, the knock-out,
// the finished training).
unsigned generation = 0;

// With no step, a poll that asks to run again only after a while gets one timer at a time:
// GLUT's timers cannot be taken back, and every install (one a key on a finished training)
// would leave one more behind, each waking the game for nothing.
bool lookSet = false;     // that timer is set
bool lookAwaited = false; // the loop waits for it alone: nothing installed since

void stepWhenDue();

void onSlot(int setIn) {
    if (setIn == static_cast<int>(generation))
        stepWhenDue();
}

void onLook(int) {
    lookSet = false;
    if (lookAwaited) {
        lookAwaited = false;
        stepWhenDue();
    }
}

// GLUT's timer for the slot, in whole milliseconds rounded up (at least `least`).
void setSlotTimer(unsigned least) {
    const double wait = pacer.waitBefore(secondsNow());
    glutTimerFunc(std::max(least, static_cast<unsigned>(std::ceil(wait * 1000.0))), onSlot,
                  static_cast<int>(generation));
}

// The idle callback of a new install, run once the pass has drawn its frame: the steps wait
// for a timer, which the next pass runs after its events.
void armSlot() {
    glutIdleFunc(nullptr);
    setSlotTimer(0);
}

// Runs the steps whose slots have come, then leaves the wait for the next slot to a GLUT timer
// with no idle callback: freeglut then sleeps in select() on the X connection until the
// timer, so events are handled as they come. The timer runs the steps itself rather than
// putting the idle back: the events that came meanwhile are handled first, and the steps and
// the frame they ask for come out of that pass, the soonest they can. freeglut's select()
// sleeps the timer's whole milliseconds from now, so rounding the wait up wakes it less than
// 1 ms past the slot, and IdlePacer keeps the slots' rhythm through that lateness: exactly 60
// steps a second. The next timer is at least 1 ms away even when a slot has come already (a
// slow frame): freeglut would run a timer due now in the same pass, before the frame.
void stepWhenDue() {
    const double now = secondsNow();
    for (int due = pacer.stepsDue(now); due > 0; --due) {
        pacer.stepped(now);
        const unsigned stepGeneration = generation;
        const double pollAgain = runSlot();
        if (generation != stepGeneration)
            return; // another idle installed (the knock-out's, a new screen's) or removed
        if (currentStep)
            continue;
        if (pollAgain != 0.0) {
            if (pollAgain > 0.0) {
                lookAwaited = true;
                if (!lookSet) {
                    lookSet = true;
                    glutTimerFunc(static_cast<unsigned>(std::ceil(pollAgain * 1000.0)), onLook, 0);
                }
            }
            return;
        }
        break; // the poll alone, once a slot
    }
    setSlotTimer(1);
}

} // namespace

double runSlot() {
    const unsigned stepGeneration = generation;
    const double pollAgain = currentPoll ? currentPoll() : -1.0;
    if (currentStep && generation == stepGeneration && stepHook)
        stepHook();
    if (currentStep && generation == stepGeneration) {
        currentStep();
        ++stepCount;
    }
    return pollAgain;
}

void setStepHook(IdleStep hook) {
    stepHook = hook;
}

long long stepsRun() {
    return stepCount;
}

double secondsNow() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

void installIdle(IdleStep step) {
    if (step && !currentStep)
        pacer.restart(secondsNow());
    currentStep = step;
    ++generation;
    lookAwaited = false;
    glutIdleFunc(step || currentPoll ? armSlot : nullptr);
}

void setIdlePoll(IdlePoll poll) {
    currentPoll = poll;
    installIdle(currentStep);
}

IdleStep installedIdle() {
    return currentStep;
}
