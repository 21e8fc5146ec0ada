#pragma once

// A screen's idle work is one animation step, run as often as GLUT's loop comes round but
// never more than 60 times a second: an unpaced GLUT idle loop runs thousands of times a
// second on a fast machine and the game cannot be played. Screens install their step through
// installIdle instead of glutIdleFunc.
//
// Between two steps the game waits in GLUT's own event wait (a GLUT timer for the next
// step's slot, with no idle callback), never inside a callback: a key, a reshape or a
// visibility change is handled the moment it arrives, and its frame drawn at once.

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
    double nextSlot = 0.0;

    // Seconds to wait before the next step may run (0 when it may run now).
    double waitBefore(double now) const { return now < nextSlot ? nextSlot - now : 0.0; }
    // Records a step run at `now`: after a stall (a step more than `slack` late) the next
    // slot counts from now, so no burst.
    void stepped(double now) {
        nextSlot = now - nextSlot <= slack ? nextSlot + period : now + period;
    }
};
