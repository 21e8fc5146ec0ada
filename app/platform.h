#pragma once

// What differs between the systems the game runs on, in one place: platform_posix.cpp and
// platform_windows.cpp implement it, and the build takes the one for its target.

// Called first in main. On Windows, where the game is a program without a console, it prints
// into the command prompt that started it (its output redirected stays so), and it makes the
// folder of ruko.exe the working directory, so that Data/ is found however it was started.
// On Linux the `ruko` launcher starts the game in its data folder.
void adoptPlatformConventions();

// Says why a file of Data/ cannot be loaded, on standard output; on Windows, where the game
// has no output to print on (started by a double-click), in a message box.
void reportDataProblem(const char* format, ...) __attribute__((format(printf, 1, 2)));
