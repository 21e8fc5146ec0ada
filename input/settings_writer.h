#pragma once

#include "input/settings.h"

#include <string>

// ruko --write-settings: the settings file made with the usual keys and volume, for the player
// to change, only where there is none (an existing one is never touched), its folder made too,
// its lines ending as the system's own (nativeLineEnd). Says where on stdout. Returns the exit
// status: 0, or 1 when it is not written.
int writeNewSettingsFile();

// The file's text changed so that it reads as `chosen`: only the values that read otherwise
// change, each in place (a comment after it kept), the player's comments, blank lines, unknown
// lines, byte-order mark and line ends kept as they are; a missing name goes at the end of its
// section, a missing section at the end of the text. No text at all gives the whole file as
// --write-settings makes it. Lines added end in `lineEnd` where the text has no line end of its
// own.
std::string settingsTextWith(const std::string& text, const Settings& chosen,
                             const std::string& lineEnd);

// Saves `chosen` into the player's settings file (settingsFilePath), as settingsTextWith
// changes its text, by replaceFile: never half written; on Linux through a symbolic link to
// the file it names, its mode and owner kept, in place where the folder refuses a new file.
//
// True when the file holds `chosen` afterwards (nothing is written when it did already).
// False when it does not, the file then as it was: `problem` says why in one line of UTF-8,
// naming the path, without "ruko: " or a newline, to be shown by reportSettingsProblems:
//   "no place for a settings file: no home folder is set"
//   "cannot read PATH: REASON", "PATH is not a regular file", "PATH is larger than 64 KiB",
//   "PATH is UTF-16 text, save it as UTF-8" (the file is not read, so it is not rewritten)
//   "cannot write PATH: REASON" (REASON is strerror's: "Permission denied", "No space left...")
// The settings chosen may be played all the same: only the file is not changed.
bool saveSettings(const Settings& chosen, std::string& problem);
