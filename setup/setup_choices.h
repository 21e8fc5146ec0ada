#pragma once

#include "input/settings.h"

#include <string>

// What the setup window sets: the settings chosen, row by row, and the rows' buttons.

enum class RowKind {
    language,
    fullScreen,
    textScale,
    volume,
    challenge,
    key,
    rumble,
    save,
    play,
    quit,
};

// The rows from the top: the five values, a key for each action, then the buttons.
inline constexpr int firstKeyRow = static_cast<int>(RowKind::key);
inline constexpr int setupRowCount = firstKeyRow + actionCount + 4;
RowKind rowKind(int row);
Action rowAction(int row); // of a key row

// The settings as the window shows them: those of the file at the start.
extern Settings chosenSettings;
// The settings as the file holds them: read at the start, written by each save.
extern Settings savedSettings;
// Whether the window shows settings the file does not hold (asked before leaving).
bool chosenUnsaved();

// Whether a text size's 640x480 layout fits a screen of that many pixels (auto always does).
bool textScaleFits(int scale, int screenWidth, int screenHeight);

// The value of a value row one step on (direction 1) or back (-1), wrapping round but for the
// volume, which stops at 0 and 100 unless `wrap` (a click goes on from 100 to 0).
void stepValue(int row, int direction, bool wrap);

// The value of a row as shown: its key's name, a number, or empty for words and buttons.
// A key of the keyboard's Latin-1 range is shown as its own character (the font's code).
std::string valueText(int row);

// A key pressed to be an action's: bound, or refused because another action has it
// (`holder`), or because it is none the game lets a player have (Enter, Tab, Shift...). The
// keys of a French keyboard's é, è, ç, à and ù come as Latin-1 codes and are keys like any.
enum class KeyChoice { bound, taken, refused };
KeyChoice chooseKey(Action action, KeyCode key, Action& holder);
