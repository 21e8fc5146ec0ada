#pragma once

#include "text/words.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The player's own keys, volume and display, from the settings file (platform/platform.h says
// where): plain `name = value` lines in UTF-8 under [keys], [sound], [display] and [game], with #
// or ; starting comment lines, or a comment after a value or a header (input/settings_lines.h). No
// file means the usual keys, full volume, French text at the size the window holds, in a
// window. The game reads the file here; the settings window writes it (settings_writer.h).

// A key as GLUT hands it over: a character, or specialKeyBase plus a GLUT_KEY_ code.
using KeyCode = int;
inline constexpr KeyCode specialKeyBase = 256;
inline constexpr KeyCode specialKey(int glutKey) {
    return specialKeyBase + glutKey;
}

// The actions of the fight and the training that have a key of their own, in the file's order.
enum class Action {
    leftPunch,
    rightPunch,
    stepIn,
    stepBack,
    circleLeft,
    circleRight,
    eyeUp,
    eyeDown,
    sideLeft,
    sideRight,
    turn,
    guard, // the challenge's (challenge/challenge_rules.h); does nothing without it
    pause, // stops the fight or the training until pressed again (game/pause.h)
    none,
};
inline constexpr int actionCount = static_cast<int>(Action::none);

inline constexpr int maximumVolume = 100;

// Enough for every setting many times over: a larger file is not read (/dev/zero is never read
// to its end).
inline constexpr std::size_t largestSettingsFile = 64 * 1024;

// text_scale = auto: the largest whole factor of 640x480 that the window holds.
inline constexpr int autoTextScale = 0;
inline constexpr int largestTextScale = 4;

struct Settings {
    KeyCode keys[actionCount];
    int volume;    // percent, 0 to 100
    int textScale; // autoTextScale, or 1 to largestTextScale
    Language language;
    bool fullScreen; // start in full screen
    bool challenge;  // [game]: the opponent boxes back (challenge/challenge_rules.h)
    int difficulty;  // [game]: the challenge's level, an index of difficultyNames
};

// The challenge's levels as the file and the command line name them (challenge/challenge_state.h's
// ChallengeLevel in the same order).
inline constexpr const char* difficultyNames[] = {"easy", "normal", "hard"};
inline constexpr int normalDifficulty = 1;

// The level named, or -1.
int difficultyOfName(const std::string& name);

// The keys the game has always had, full volume, French, text scaled to the window, a window,
// the challenge off.
Settings defaultSettings();

// What the game plays with: the defaults until loadSettings.
extern Settings settingsInEffect;

// The action's name in [keys]: left_punch, right_punch...
const char* actionSettingName(Action action);

// The actions' keys in effect as one value, and put in effect (a recording's, then the player's
// again).
using ActionKeys = std::array<KeyCode, actionCount>;
ActionKeys keysInEffect();
void setKeysInEffect(const ActionKeys& keys);

// The key of an action in effect, and the action of a key (Action::none for an unbound key).
KeyCode actionKey(Action action);
Action actionOfKey(KeyCode key);

struct SettingsProblem {
    int line;
    std::string text;
};

// Text as other programs save it: UTF-16 by its byte-order mark, or by a zero byte beside
// another first character (ASCII without the mark), as Notepad's "Unicode" and PowerShell 5's
// redirections write it, which the game does not read; and UTF-8's byte-order mark, which
// Notepad writes, to be skipped.
bool isUtf16(const std::string& text);
bool startsWithUtf8Mark(const std::string& text);

// The settings a file's text gives over the defaults. Each bad line is left out and said in
// `problems`, by line number (an unknown section or name, a value that is not a key or not a
// number in range, a key that another action has), in UTF-8 showing nothing but printable
// ASCII and the visible characters of ISO 8859-1 whatever the file's bytes. A leading UTF-8
// byte-order mark is skipped; UTF-16 text is not read, said once as line 0.
Settings parseSettings(const std::string& text, std::vector<SettingsProblem>& problems);

// The settings in the file's own format, lines ending in \n: read back, they give the same
// settings.
std::string formatSettings(const Settings& settings);

// Reads the file at `path` into settingsInEffect. Each bad line is reported
// (reportSettingsProblems, in UTF-8) with the path and its number, all at once; a file that cannot
// be read (or is no regular file, or is larger than 64 KiB) once. A missing file (or an empty path)
// says nothing.
void loadSettings(const std::string& path);
