#pragma once

#include "app/screen.h"

// ModeMenu: fight or training, and the circuit with the challenge on, shown by a turning arrow
// beside the chosen entry.

inline constexpr ScreenLight modeMenuLight = menuLight;

void modeMenuDisplay();
void modeMenuIdle();
void modeMenuKeyboard(unsigned char key, int x, int y);
void modeMenuSpecial(int key, int x, int y);
