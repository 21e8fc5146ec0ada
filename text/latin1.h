#pragma once

#include <string>

// The game's own texts are ISO 8859-1, as its font is; terminals mostly read UTF-8.
std::string latin1ToUtf8(const char* text);
