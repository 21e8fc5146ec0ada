#pragma once

// Gamepads through SDL2's game controllers: any pad SDL knows, plugged in before the start or
// during play, several at once. They play through the current screen's own keyboard handlers
// (app/pad_layout.h says which key each button stands for), read once per step.

// Starts SDL's game-controller subsystem alone (no window, no sound). When it cannot start,
// says so in one line on stderr; the keyboard plays as ever.
void startPads();

// Shakes every pad that can be shaken.
enum class PadRumble { hit, knockOut };
void rumblePads(PadRumble rumble);
