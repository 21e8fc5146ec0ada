#pragma once

#include "input/settings.h"

#include <string>

// The names keys go by: one visible character as typed (w, Z, 4, ;, and the letters of
// ISO 8859-1 a French keyboard has keys for, é, è, ç, à, ù, as GLUT hands them over, one byte
// each), or a word: space, return, escape, tab, backspace, delete, up, down, left, right,
// page_up, page_down, home, end, insert, f1 to f12.

// The key's name in the game's text (ISO 8859-1, as the font draws it); empty for a key that
// has none.
std::string keyName(KeyCode key);

// The key of a name in the game's text; false for a name no key has.
bool keyFromName(const std::string& name, KeyCode& key);

// Whether an action may have the key (the settings file, the settings window): a key with a
// name but Enter and Escape, which stay the menus', and tab, backspace and delete.
bool isBindableKey(KeyCode key);

// The same in UTF-8, as the settings file and the messages have them. A lone byte of
// ISO 8859-1 is no UTF-8, and names no key there.
std::string keyNameInUtf8(KeyCode key);
bool keyFromUtf8Name(const std::string& name, KeyCode& key);

// Whether the key is a character of ISO 8859-1 beyond ASCII (é), which recordings write as
// \xNN.
bool isBeyondAscii(KeyCode key);
