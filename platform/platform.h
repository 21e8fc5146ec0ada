#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// What differs between systems, each behind one call; platform/*_posix.cpp and *_windows.cpp
// hold the two sides.

// Keeps the audio libraries' own complaints about a missing device off stderr, without
// touching what anything else writes there: the game says it in one line. Called on the main
// thread before the first OpenAL call. Leaves them alone when ALSOFT_LOGLEVEL is set (to
// debug OpenAL).
void quietAudioLibraries();

// Calls `handler` with the process's exit status when it exits, before the libraries' own
// clean-up, as atexit would.
void atExitWithStatus(void (*handler)(int status));

// Called first in main. On Windows, where the game is a program without a console, it prints
// into the command prompt that started it (its output redirected stays so), it makes the
// folder of ruko.exe the working directory, so that Data/ is found however it was started, and
// it replaces the arguments with the command line's own in UTF-8 (what the code page cannot
// hold, a file named in Greek, is kept). On Linux the `ruko` launcher starts the game in its
// data folder; a binary with a Data/ of the game's in its own folder or that folder's parent
// (a build folder of the clone) goes there, wherever it was started from. The arguments stay
// as they are there.
void adoptLaunchConventions(int* argc, char*** argv);

// A path given on the command line as the player meant it: from the folder the game was
// started in, which adoptLaunchConventions may have left.
std::string pathFromStartFolder(const std::string& path);

// Says on stderr, in one line, where Data/ was looked for when the working directory has none
// of the game's.
void reportMissingDataFolder();

// Whether the game's window can open: on X11, whether the display named (by -display; else
// $DISPLAY, with `name` empty) answers; Windows always has one. When it cannot, says so in
// one line on stderr.
bool displayAvailable(const std::string& name);

// Prints a line of the game's text (ISO 8859-1) on standard output in the terminal's encoding:
// UTF-8 where the locale's code set is, the bytes as they are otherwise (the C locale); on
// Windows, a console's own wide characters, the bytes into a file or a pipe. Flushed.
void printTextLine(const char* latin1Text);

// Says why a file of Data/ cannot be loaded, on standard output; on Windows, where the game
// has no output to print on (started by a double-click), in a message box.
void reportDataProblem(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Where the player's settings file is: $XDG_CONFIG_HOME/ruko/ruko.conf, or
// ~/.config/ruko/ruko.conf; %APPDATA%\ruko\ruko.conf on Windows. Empty when there is no such
// place. Paths in the game are UTF-8 (on Windows too, whatever its code page).
std::string settingsFilePath();

// Opens the file at `path` to read in binary. Anything but a regular file (a FIFO, a device) is
// refused without waiting on it, `regular` set false. Null with errno set when it cannot be
// opened (a folder: EISDIR on Linux).
std::FILE* openRegularFile(const std::string& path, bool& regular);

// Replaces the file at `path` (made, and its folder, where missing) by one holding `contents`,
// so that a crash leaves the old file or the new one, never half of one: written whole into a
// new file beside it, then renamed over it. False with errno set when it cannot, the file then
// as it was. On Linux, a symbolic link (dotfiles kept in a repository) is followed to the file
// it names, which is replaced, the link kept; the file's mode is kept, and its owner where the
// process may give it; where the folder refuses a new file but the file may be written (a
// folder of another's), it is written in place, its old text put back should the new one not
// go in whole. The new file is `path`.PID.new there, and those left by saves killed before
// their rename, of processes that are no more, are removed; on Windows it is `path`.new.
bool replaceFile(const std::string& path, const std::string& contents);

// The line end of the system's own text files: \n on Linux, \r\n on Windows.
const char* nativeLineEnd();

// Tells the player what is wrong with the settings file, `lines` (UTF-8, naming paths and
// keys) each ending with a newline: on stderr in the terminal's encoding (printErrorText); on
// Windows, where there is no output when started by a double-click, in one message box then,
// and the game goes on.
void reportSettingsProblems(const std::string& lines);

// Prints `utf8Text` on stderr in the terminal's encoding, as printTextLine does: as it is where
// the locale's code set is UTF-8; otherwise (the C locale) ISO 8859-1's characters as its
// bytes, any other byte as it is (a path's); on Windows, a console's own wide characters, the
// bytes into a file or a pipe. Flushed.
void printErrorText(const std::string& utf8Text);

// Where the last session's recording goes: $XDG_STATE_HOME/ruko/last.replay, or
// ~/.local/state/ruko/last.replay; %LOCALAPPDATA%\ruko\last.replay on Windows. Makes the folder
// when missing. Empty when there is no such place or the folder cannot be made.
std::string lastReplayPath();

// Where the challenge's records are kept: challenge-records.txt in the folder of last.replay,
// made when missing. Empty when there is no such place or the folder cannot be made.
std::string challengeRecordsPath();

// Where the circuit's progress is kept: circuit.txt beside the challenge's records, the folder
// made when missing. Empty when there is no such place or the folder cannot be made.
std::string circuitProgressPath();

// Renames what is at `from` (a file, or anything else there) to `to`, only when nothing is at
// `to`: false with errno set otherwise (EEXIST when `to` is taken), `from` then as it was.
bool renameToNewName(const std::string& from, const std::string& to);

// Makes a file at `path` to write, and its missing folders; a file that is there already is
// never opened (null, errno EEXIST). Null with errno set when it cannot be made.
std::FILE* createNewFile(const std::string& path);

// Opens the file at `path` to write, emptied, for this process alone while it runs. Null when
// another process has it (`taken` set) or it cannot be opened (errno set).
std::FILE* openOwnFile(const std::string& path, bool& taken);

// An advisory lock on the file at `path` (made when missing, left empty, never removed), held
// by this process from its making to its end, waiting while another process holds it: what
// games read, change and write back under it is one game's at a time. Where none can be had
// (the file cannot be made, a file system that keeps no locks) it holds none, and the work goes
// on unguarded as before. Closing it frees it, as a process's end does however it ends.
class FileLock {
  public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

  private:
    std::intptr_t handle; // a descriptor, a HANDLE on Windows; -1 with no lock held
};

// fopen for a path in UTF-8, whatever the system's code page.
std::FILE* openFile(const std::string& path, const char* mode);

// Whether the game's window (that of the current GL context) has the keyboard focus, so that
// keys reach it: X11's input focus (with none set, the window under the pointer has it), the
// foreground window on Windows.
bool gameWindowFocused();

// Has the game's window (that of the current GL context) get a held key's auto-repeat as
// presses alone, with no release between, so that a press of a key not let go since its last
// is known for a repeat: on X11, XKB's detectable auto-repeat, for the game's own connection
// alone; Windows sends them so already. The presses the game sees are the same either way.
void detectKeyRepeats();
