#pragma once

#include "app/screen.h"

// DecorMenu: one of the two arenas, shown by its ring seen from above at 45 degrees.

inline constexpr ScreenLight decorMenuLight = menuLight;

void decorMenuDisplay();
void decorMenuIdle();
void decorMenuKeyboard(unsigned char key, int x, int y);
void decorMenuSpecial(int key, int x, int y);
