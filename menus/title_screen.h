#pragma once

#include "app/screen.h"

// The first screen: the swaying title letters, the credit line, the blinking prompt and the
// turning ring. Enter leads to the mode menu, Escape ends the program.

inline constexpr ScreenLight titleLight = menuLight;

void titleDisplay();
void titleIdle();
void titleKeyboard(unsigned char key, int x, int y);
