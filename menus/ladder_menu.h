#pragma once

#include "app/screen.h"

// LadderScreen: the circuit's three opponents side by side, those beaten and the one met next,
// with the climb's wins and losses; Enter fights the next one in its decor.

inline constexpr ScreenLight ladderLight = menuLight;

void ladderDisplay();
void ladderIdle();
void ladderKeyboard(unsigned char key, int x, int y);
