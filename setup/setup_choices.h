#pragma once

#include "input/settings.h"

#include <string>

// What the setup window sets: the settings chosen, row by row, and the rows' buttons.

enum class RowKind { language, fullScreen, textScale, volume, key, rumble, save, play, quit };

// The rows from the top: the four values, a key for each action, then the buttons.
inline constexpr int firstKeyRow = 4;
inline constexpr int setupRowCount = firstKeyRow + actionCount + 4;
RowKind rowKind(int row);
Action rowAction(int row); // of a key row

// The settings as the window shows them: those of the file at the start.
extern Settings chosenSettings;

// The value of a value row one step on (direction 1) or back (-1), wrapping round but for the
// volume, which stops at 0 and 100 unless `wrap` (a click goes on from 100 to 0).
void stepValue(int row, int direction, bool wrap);

// The value of a row as shown: its key's name, a number, or empty for words and buttons.
std::string valueText(int row);

// A key pressed to be an action's: bound, or refused because another action has it
// (`holder`), or because it is none the game lets a player have (Enter, Tab, Shift...).
enum class KeyChoice { bound, taken, refused };
KeyChoice chooseKey(Action action, KeyCode key, Action& holder);
