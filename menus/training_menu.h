#pragma once

#include "app/screen.h"

// TrainingMenu: the punch bag or the punching ball.

inline constexpr ScreenLight trainingMenuLight = menuLight;

// This menu projects with a fixed 4/3 aspect whatever the window's shape, until the next
// reshape.
inline constexpr double trainingMenuAspect = static_cast<double>(4.0f / 3.0f);

void trainingMenuDisplay();
void trainingMenuIdle();
void trainingMenuKeyboard(unsigned char key, int x, int y);
void trainingMenuSpecial(int key, int x, int y);
