#pragma once

#include "challenge/circuit.h"
#include "input/inputs.h"
#include "input/settings.h"

#include <cstdint>
#include <string>
#include <vector>

// A recording read (its lines are written by replay/replay_lines.h): the inputs that reached the
// game, each with the number of steps run before it fell, and the game's state every second. Plain
// text, one event a line:
//   ruko-replay 1 ruko 1.0    the format, its version, and the game's version that wrote it
//   0 keys w x up down left right i k l m t
//                             the keys of the fight's and the training's actions, in the
//                             settings file's order (left_punch to pause); a line without
//                             the pause's leaves it at p, one without the guard's too (all
//                             before the challenge) leaves the guard at c
//   0 challenge 2463534242 2  the challenge on from here, its generator's state as given
//                             (the session's seed at step 0), the version of its rules (none:
//                             1, the first), its level where not normal (easy, hard);
//                             `challenge off` ends it. None: off, so that a
//                             recording plays the same whatever the settings
//   0 circuit 1 1 2 12000 0 0 0 0
//                             the circuit's progress in effect from here (read from the
//                             player's file when the game starts and at each entry of the
//                             circuit): opponents beaten, wins, losses, the climb's steps,
//                             titles, the best title's steps, the last title's steps and fights
//   312 key x                 a key: a character as typed, a word (return, escape, space, up,
//                             f1, ...), \xNN for another character, sNNN for another GLUT key
//   400 menu 1                an entry of the right-button menu, 1 to 5 from the top
//   410 click                 a mouse button pressed over the window
//   411 pad                   a pad's press that stands for no key on that screen
//   420 hidden                the window hidden; `shown` when it comes back
//   600 check screen=fight menus=1a2b3c4d fight=...    the state before step 600
//   900 quit                  the event before ended the game
// Blank lines and lines starting with # are left out. Older recordings may hold `size W H`
// lines and the menu's full screen and quit (2 and 5): read, and left out when played, as the
// window's own business.
//
// A recording holds at most 24 hours of play and 16 MiB (a day of play writes about 10 MiB):
// a longer one is no recording this game made, and checking it would take hours.

inline constexpr std::int64_t replayLongestSteps = 24LL * 60 * 60 * 60;
inline constexpr std::size_t replayLargestBytes = 16u << 20;

enum class ReplayEventKind {
    keys,
    key,
    menu,
    click,
    pad,
    hidden,
    shown,
    size,
    check,
    quit,
    challenge,
    circuit,
};

// Kept small: a recording may hold millions.
struct ReplayEvent {
    std::int32_t step = 0;
    std::int32_t value = 0;   // the key, the menu entry, the width; a checkpoint's or keys' index
    std::int32_t line = 0;    // where it was read
    std::uint16_t height = 0; // the size's; the challenge's rules version, 0 for off (value:
                              // its state's bits)
    ReplayEventKind kind = ReplayEventKind::key;
    std::uint8_t level = normalDifficulty; // the challenge's, an index of difficultyNames
};

struct Replay {
    std::string gameVersion;
    std::vector<ReplayEvent> events;
    std::vector<std::string> checks; // each checkpoint's fields, as written
    std::vector<ActionKeys> keySets;
    std::vector<CircuitProgress> circuits;
    bool lastLineCut = false; // an unfinished last line (a crash while recording) left out
};

// Reads a recording's text. On a fault: false, with the line and what is wrong there.
bool parseReplay(const std::string& text, Replay& replay, int& errorLine, std::string& error);

// Reads the file at `path` into `replay`, a line at a time. On a fault: false, with the message
// to print ("PATH:LINE: what", or why it cannot be read).
bool readReplayFile(const std::string& path, Replay& replay, std::string& message);
