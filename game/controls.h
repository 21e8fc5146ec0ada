#pragma once

#include "input/settings.h"

// The fight's keyboard: letters for punches, eye height, side steps and the opponent's turn,
// arrows to circle the opponent and step in or out, Escape to leave.

// One action of the fight, without the window: the key handlers and scripted players call it.
void applyFightAction(Action action);

// The keyboard callback; also active in the knock-out view.
void fightKeyboard(unsigned char key, int x, int y);

// The special-key callback; removed in the knock-out view.
void fightSpecial(int key, int x, int y);
