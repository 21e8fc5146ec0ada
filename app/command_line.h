#pragma once

#include <cstdio>

// The game's own options, answered before GLUT starts so that --help and --version need no
// display. -geometry is read here too (GLUT leaves the size of +X+Y alone unset); GLUT's other
// X options (-display, -iconic, -direct, -indirect, -gldebug, -sync) are left in argv for
// glutInit.

#include "app/window.h"

#include <string>

extern bool muteRequested;      // --mute, or RUKO_MUTE=1 in the environment
extern std::string recordPath;  // --record FILE: else the last session's file
extern std::string replayPath;  // --replay FILE
extern std::string checkPath;   // --check FILE
extern bool setupRequested;     // --setup, or started as ruko-setup (ruko-setup.exe)
extern bool challengeRequested; // --challenge: on for this session, whatever the settings say
extern int difficultyRequested; // --difficulty LEVEL: its index in difficultyNames, else -1

// Takes the game's options out of argv. Returns true when the game is to start; otherwise it
// has printed what was asked (help, version, or the usage on stderr for a bad option) and
// exitStatus holds the status to end with (0, or 2 for a bad option).
bool readCommandLine(int* argc, char** argv, int* exitStatus);

void printUsage(std::FILE* out);
