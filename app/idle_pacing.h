#pragma once

// A screen's idle work is one animation step, run 60 times a second whatever the frame rate:
// an unpaced GLUT idle loop runs thousands of times a second on a fast machine and the game
// cannot be played, and a frame slower than a step (a large window on a slow renderer) would
// put the game in slow motion. Screens install their step through installIdle instead of
// glutIdleFunc.
//
// Between two steps the game waits in GLUT's own event wait (a GLUT timer for the next
// step's slot, with no idle callback), never inside a callback: a key, a reshape or a
// visibility change is handled the moment it arrives, and its frame drawn at once. The steps
// run from that timer, after the events of the pass: when frames come slower than the steps,
// the steps whose slots have come run together before the next frame (up to
// IdlePacer::mostStepsAFrame), after the events that came during the frame before. A step
// that installs another idle or removes its own (a new screen, the knock-out, the finished
// training) ends them there, so that its frame is drawn before any step of what follows.

using IdleStep = void (*)();

// Installs the step as the GLUT idle work (nullptr removes the idle callback). A timer set
// while waiting for an earlier install's next slot does nothing when it fires.
void installIdle(IdleStep step);

// The step installed now, nullptr when none.
IdleStep installedIdle();

// Work done just before every step (the pads, read there so that the step that follows at once
// carries out their press). While no step is installed, it runs again after the seconds it
// returns (0: at the next slot); when it returns a negative number, the game waits for events
// alone until the next install. nullptr, as at the start, for none.
using IdlePoll = double (*)();
void setIdlePoll(IdlePoll poll);

// Work done right before every step, once the poll has run and the step is to run (the
// recordings' checkpoints). nullptr for none.
void setStepHook(IdleStep hook);

// How many steps have run since the start: the recordings' clock.
long long stepsRun();

// One slot's work, unpaced: the poll, then the step if one is installed and the poll did not
// replace it. Returns when the poll asks to be run again (see setIdlePoll). Checking a
// recording runs the game through this alone, as fast as it goes.
double runSlot();

// The clock the steps are paced by, in seconds (steady: never set back).
double secondsNow();

// The pacing rule alone, on a clock given in seconds.
struct IdlePacer {
    double period = 1.0 / 60.0;
    // GLUT's timers count whole milliseconds, so a step comes up to about 1 ms after its
    // slot. A step that late keeps its slot's rhythm (the next slot is one period after its
    // slot, not after the step), else the rate would drift to 58 or 59 a second.
    double slack = period / 4.0;
    // The most steps run before one frame: 60 steps a second hold down to 10 frames a second
    // (a fight at 1920x1080 on one llvmpipe thread of a busy machine draws 15 to 20, unevenly);
    // below that the game slows down rather than falling further behind.
    int mostStepsAFrame = 6;
    // A wait this long since the last step is a stall (the machine suspended, the loop held
    // up), not a slow frame: nothing of it is caught up. Far above any frame, so that frames
    // slower than 10 a second slow the game down gradually (six steps each), not at once to
    // a step a frame.
    double stall = 1.0;
    double nextSlot = 0.0;
    double lastStep = 0.0;

    // Seconds to wait before the next step may run (0 when it may run now).
    double waitBefore(double now) const { return now < nextSlot ? nextSlot - now : 0.0; }
    // How many steps to run now, before the next frame: one for every slot come, at most
    // mostStepsAFrame; one after a stall.
    int stepsDue(double now) const {
        if (now < nextSlot)
            return 0;
        if (now - lastStep >= stall)
            return 1;
        const double late = (now - nextSlot) / period;
        return late >= mostStepsAFrame - 1 ? mostStepsAFrame : 1 + static_cast<int>(late);
    }
    // Records a step run at `now`. Slots more than a frame's steps behind are dropped (after a
    // stall, any more than `slack` behind): the next slot then counts from now, so no burst.
    void stepped(double now) {
        const bool stalled = now - lastStep >= stall;
        const double late = now - nextSlot;
        if (stalled ? late > slack : late >= mostStepsAFrame * period)
            nextSlot = now - (stalled ? 0 : mostStepsAFrame - 1) * period;
        nextSlot += period;
        lastStep = now;
    }
    // A step installed where none was: the time without one is owed no steps.
    void restart(double now) {
        if (nextSlot < now)
            nextSlot = now;
    }
};
