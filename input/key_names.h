#pragma once

#include "input/settings.h"

#include <string>

// The names keys go by in the settings file and in recordings: one visible character as typed
// (w, Z, 4, ;), or a word: space, return, escape, tab, backspace, delete, up, down, left,
// right, page_up, page_down, home, end, insert, f1 to f12. A key of the Latin-1 range beyond
// ASCII (a French keyboard's é) is its character in UTF-8.

// The key's name; empty for a key that has none.
std::string keyName(KeyCode key);

// The key of a name; false for a name no key has.
bool keyFromName(const std::string& name, KeyCode& key);
