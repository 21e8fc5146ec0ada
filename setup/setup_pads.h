#pragma once

#include <string>

// The pads SDL sees, as the setup window shows them: each by its name with its buttons, lit
// while held; the d-pad and A, B work the window. SDL is the setup's alone while it runs: it is
// stopped again before the game starts, which then finds the pads anew.

// Starts SDL's game controllers. When they cannot start, says so in one line on stderr; the
// window shows no pad.
void startSetupPads();
void stopSetupPads();

enum class PadCommand { up, down, left, right, activate, back };

// Reads what the pads did: each press of the d-pad, A or B as a command (only while the window
// has the keyboard focus, as keys reach it only then). Returns whether anything shown changed.
bool pollSetupPads(void (*command)(PadCommand));

// The pads and their buttons, in the order shown.
int setupPadCount();
std::string setupPadName(int pad);
inline constexpr int shownButtonCount = 12;
const char* shownButtonLabel(int button);
bool shownButtonHeld(int pad, int button);

// Shakes every pad that can be shaken, for half a second; returns how many could.
int rumbleSetupPads();
