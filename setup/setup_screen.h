#pragma once

// ruko --setup: the settings in a window of the game's look, worked with the mouse, the keys or
// a pad: the language, full screen at the start, the text's size, the volume (a punch heard at
// each step), each action's key (pressed to change it), the pads SDL sees with their buttons
// lit while held and a rumble to try. "Save" writes the settings file; "Play" writes it and
// calls `play` in the same window, the settings chosen in effect.

// Opens the window (without a display: said in one line, exit status 2) and installs the
// setup's callbacks; glutMainLoop runs it. Sound is tried only `withSound`.
void runSetup(int* argc, char** argv, bool withSound, void (*play)());
