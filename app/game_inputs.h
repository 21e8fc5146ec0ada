#pragma once

#include "input/inputs.h"

// What each input does on the game: a key goes to the current screen's handlers, a menu entry
// to the view menu, the window's visibility to the screen; any press starts the title's idle
// count over.
void carryOutOnScreen(const InputEvent& event);
