#pragma once

#include "app/screen.h"

// OpponentMenu: one of the three opponents, turning on a turntable in its rest pose.

inline constexpr ScreenLight opponentMenuLight = menuLight;

void opponentMenuDisplay();
void opponentMenuIdle();
void opponentMenuKeyboard(unsigned char key, int x, int y);
void opponentMenuSpecial(int key, int x, int y);
