#pragma once

#include "input/settings.h"

#include <cstdint>
#include <string>
#include <vector>

// A recording: the inputs that reached the screens, each with the number of steps run before it
// fell, and the game's state every second. Plain text, one event a line:
//   ruko-replay 1 ruko 1.0    the format, its version, and the game's version that wrote it
//   0 keys w x up down left right i k l m t
//                             the keys of the fight's and the training's actions, in the
//                             settings file's order (left_punch to turn)
//   312 key x                 a key: a character as typed, a word (return, escape, space, up,
//                             f1, ...), \xNN for another character, sNNN for another GLUT key
//   400 menu 2                an entry of the right-button menu, 1 to 5 from the top
//   410 click                 a mouse button pressed over the window
//   411 pad                   a pad's press that stands for no key on that screen
//   420 hidden                the window hidden; `shown` when it comes back
//   420 size 1280 960         the window's new size
//   600 check screen=fight menus=1a2b3c4d fight=...    the state before step 600
//   900 quit                  the event before ended the game
// Blank lines and lines starting with # are left out.

enum class ReplayEventKind { keys, key, menu, click, pad, hidden, shown, size, check, quit };

struct ReplayEvent {
    std::int64_t step = 0;
    ReplayEventKind kind = ReplayEventKind::key;
    int value = 0;             // the key, the menu entry, the width
    int height = 0;            // the size's
    std::string check;         // the checkpoint's fields, as written
    std::vector<KeyCode> keys; // the actions' keys
    int line = 0;              // where it was read
};

struct Replay {
    std::string gameVersion;
    std::vector<ReplayEvent> events;
    bool lastLineCut = false; // an unfinished last line (a crash while recording) left out
};

// The first line of a recording that this game writes.
std::string replayHeader();

// An event's line, without its end of line.
std::string formatReplayEvent(const ReplayEvent& event);

// Reads a recording's text. On a fault: false, with the line and what is wrong there.
bool parseReplay(const std::string& text, Replay& replay, int& errorLine, std::string& error);

// Reads the file at `path` into `replay`. On a fault: false, with the message to print
// ("PATH:LINE: what", or why it cannot be read).
bool readReplayFile(const std::string& path, Replay& replay, std::string& message);

// The name a key goes by in a recording, and back.
std::string replayKeyName(KeyCode key);
bool replayKeyFromName(const std::string& name, KeyCode& key);
