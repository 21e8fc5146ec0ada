#pragma once

// What differs between systems, each behind one call; app/*_posix.cpp and app/*_windows.cpp
// hold the two sides.

// Keeps the audio libraries' own complaints about a missing device off stderr, without
// touching what anything else writes there: the game says it in one line. Called on the main
// thread before the first OpenAL call. Leaves them alone when ALSOFT_LOGLEVEL is set (to
// debug OpenAL).
void quietAudioLibraries();

// Calls `handler` with the process's exit status when it exits, before the libraries' own
// clean-up, as atexit would.
void atExitWithStatus(void (*handler)(int status));
