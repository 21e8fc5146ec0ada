#pragma once

#include "input/pad_layout.h"

// Gamepads through SDL2's game controllers: any pad SDL knows, plugged in before the start or
// during play, several at once. They play through the current screen's own keyboard handlers
// (input/pad_layout.h says which key each button stands for), read once per step, and only
// while the window is shown and has the keyboard focus, as keys reach it only then.

// Starts SDL's game-controller subsystem alone (no window, no sound). When it cannot start,
// says so in one line on stderr; the keyboard plays as ever.
void startPads();

// What the buttons mean now: the current screen's layout (input/pad_layout.h), which the screens
// set.
void setPadLayout(PadLayout layout);

// Whether the window is shown: hidden, the game stands still and pads do nothing, as keys
// cannot reach it.
void setPadsWindowShown(bool shown);

// Reads the pads and sends what they did in with the other inputs (input/inputs.h), before
// every step. Returns when to read them again while no step runs: at the next slot with a pad,
// in a while without (to see one plugged in), never while hidden. What they did while the game
// could not be played is dropped, not carried out later.
double pollPads();

// Shakes every pad that can be shaken, while rumbles are allowed.
enum class PadRumble { hit, knockOut };
void rumblePads(PadRumble rumble);

// Only the player's own punches shake the pads, not a recording's or the demo's: disallowing
// stops them at once. Allowed at the start.
void allowPadRumbles(bool allowed);

// Stops every rumble: SDL ends a timed one only when it next reads the pads, which a hidden
// window does not.
void stopPadRumbles();
