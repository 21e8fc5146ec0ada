#pragma once

#include "menus/menu_layout.h"
#include "text/words.h"

#include <string>

// What the setup window writes: its text style, each row's label and value, and the question
// it asks before leaving with settings that are not saved: save them, leave without, or stay.

// The menus' style: a black shadow under every text.
void printSetupText(int x, int y, int size, TextColour colour, const std::string& text);

// A row's label, and its value: a word, a number, a key ("?" while one is awaited); a text size
// too large for the screen says so.
const char* rowLabel(int row, Language language);
std::string rowValue(int row, Language language, bool awaitingKey);

enum class LeaveAnswer { save, leave, stay };
inline constexpr int leaveAnswerCount = 3;

// The question over the status line and its answers in a row in its place, `selected` in red.
void drawLeaveQuestion(Language language, LeaveAnswer selected);

// The answer drawn at a point of the window in text units; false where there is none.
bool leaveAnswerAt(Language language, int textX, int textY, LeaveAnswer& answer);
