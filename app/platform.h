#pragma once

#include <string>

// What differs between systems, each behind one function here: app/*_posix.cpp and
// app/*_windows.cpp hold the two sides.

// Where the player's settings file is: $XDG_CONFIG_HOME/ruko/ruko.conf, or
// ~/.config/ruko/ruko.conf; %APPDATA%\ruko\ruko.conf on Windows. Empty when there is no such
// place.
std::string settingsFilePath();
