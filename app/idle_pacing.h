#pragma once

// One animation step per idle call, but never more than 60 calls a second: an unpaced
// GLUT idle loop runs thousands of times a second on a fast machine and the game cannot be
// played. Screens install their step through installIdle instead of glutIdleFunc.

using IdleStep = void (*)();

// Installs the step as the GLUT idle work (nullptr removes the idle callback).
void installIdle(IdleStep step);

// The step installed now, nullptr when none.
IdleStep installedIdle();

// The pacing rule alone, on a clock given in seconds.
struct IdlePacer {
    double period = 1.0 / 60.0;
    double nextSlot = 0.0;

    // Seconds to wait before the next step may run (0 when it may run now).
    double waitBefore(double now) const { return now < nextSlot ? nextSlot - now : 0.0; }
    // Records a step run at `now`: after a stall the next slot counts from now, so no burst.
    void stepped(double now) { nextSlot = now + period; }
};
