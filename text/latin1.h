#pragma once

#include <string>

// The game's own texts are ISO 8859-1, as its font is; terminals mostly read UTF-8, and so do
// the settings file and the paths.
std::string latin1ToUtf8(const std::string& text);

// ISO 8859-1's characters written in UTF-8 made its one bytes; every other byte left as it is
// (a character beyond ISO 8859-1, a byte that is no UTF-8), so that a path's bytes still name
// its file.
std::string utf8ToLatin1(const std::string& text);
