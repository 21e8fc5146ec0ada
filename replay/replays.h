#pragma once

#include "replay/replay_file.h"

#include <string>

// ruko --replay FILE: the recording played in the window at the game's speed; at its end, at
// Escape, at a checkpoint that disagrees or where it could never go on, the player plays on
// from there.
void startReplay(const Replay& replay, const std::string& name);
void leaveReplay(); // Escape

// ruko --check FILE: the recording's steps run as fast as they go, drawing nothing. Returns
// the exit status: 0 when every checkpoint agrees, 1 at the first place where the game goes
// otherwise (said on stderr with its line, step and what differs), 2 where the recording
// could never be played (it hides the window and goes on as if steps ran).
int checkReplay(const Replay& replay, const std::string& name);

// Whether the recording's challenge, where it turns it on, plays under this game's rules. When
// not (made under older rules, or newer ones), it goes otherwise here, whatever its keys:
// false, said in one line on stderr, as not checked (--check exits 2) or played all the same
// (--replay).
bool challengeRulesAgree(const Replay& replay, const std::string& name, bool checking);

// The pacer's poll and step hook call these.
void playReplayEvents();
void checkReplayStep();
