#pragma once

#include "input/settings.h"

#include <string>

// ruko --write-settings: the settings file made with the usual keys and volume, for the player
// to change, only where there is none (an existing one is never touched), its folder made too.
// Says where on stdout. Returns the exit status: 0, or 1 when it is not written.
int writeNewSettingsFile();

// The file's text changed so that it reads as `chosen`: only the values that read otherwise
// change, each in place, the player's comments, blank lines, unknown lines, byte-order mark and
// line ends kept as they are; a missing name goes at the end of its section, a missing section
// at the end of the text. No text at all gives the whole file as --write-settings makes it.
std::string settingsTextWith(const std::string& text, const Settings& chosen);

// Writes `chosen` into the settings file as settingsTextWith does, the old file replaced whole
// by the new one, never half written. False with `problem` set when it cannot be read (UTF-16
// text, not a regular file, too large) or written.
bool saveSettings(const Settings& chosen, std::string& problem);
