#pragma once

#include "input/screen_layouts.h"
#include "input/settings.h"

// What a pad's buttons and sticks do on each screen: the key they stand for, every pad alike
// (SDL's names for the buttons, whatever the pad prints on them).

enum class PadInput {
    a,
    b,
    x,
    y,
    back,
    start,
    leftShoulder,
    rightShoulder,
    dpadUp,
    dpadDown,
    dpadLeft,
    dpadRight,
    leftStickUp,
    leftStickDown,
    leftStickLeft,
    leftStickRight,
    rightStickUp,
    rightStickDown,
    rightStickLeft,
    rightStickRight,
};
inline constexpr int padInputCount = static_cast<int>(PadInput::rightStickRight) + 1;

// The key a pad input stands for on a screen of that layout; 0 when it does nothing there.
KeyCode padKey(PadLayout layout, PadInput input);

// A held button or stick acts as a held key: the first press at once, then presses after the
// usual delay, 25 a second, until it is let go.
struct PadRepeat {
    double delay = 0.5;
    double interval = 0.04;
    bool held = false;
    double nextPress = 0.0;

    // The input goes down (a press now) or up.
    void press(double now) {
        held = true;
        nextPress = now + delay;
    }
    void release() { held = false; }
    // Whether a repeat is due at `now`; a late poll gives one press, not a burst.
    bool repeatDue(double now) {
        if (!held || now < nextPress)
            return false;
        nextPress = now - nextPress < interval ? nextPress + interval : now + interval;
        return true;
    }
};

// Past half way a stick is held; it lets go only back within a quarter of its travel, so that
// one held near the half does not flicker.
inline constexpr int stickPressAt = 16384;
inline constexpr int stickReleaseAt = 8192;
