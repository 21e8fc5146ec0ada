#pragma once

#include "replay/replay_file.h"

// One source of inputs drives the game at a time: the player's devices, a recording played
// back (ruko --replay, --check), or the title's demo, which plays over either of the other two
// until their next press. What each may do is said here alone:
// - the player's keys, a recording's or the demo's are in effect while it drives, and whoever
//   drives next finds its own keys again, whatever order the sources end in;
// - only the player's play shakes the pads; the demo plays at a quarter of the volume;
// - while a recording drives, the player's Escape takes the game back and the rest waits;
//   while the demo drives, the first press of whoever drives beneath it only ends it;
// - what the player and a recording play is recorded; the demo's is the game's own, made
//   again whenever it is played back;
// - the window's size, full screen and quitting are the window's and no source's: a recording
//   never changes the viewer's window;
// - while the player has the window hidden, no source plays.

enum class Source { player, replay, demo };

// The player drives, with the keys in effect now and the challenge on or off (the settings,
// --challenge). Like the keys, a recording's challenge (and its generator's state) is in
// effect while it drives; the demo plays without it.
void startSources(bool challenge, int level = normalDifficulty);

// The devices' inputs while another source may drive (input/inputs.h): true when one runs.
bool judgeDeviceInput(const InputEvent& event);

// Who drives now.
Source liveSource();

// A source starts or stops driving; the keys, volume and pads follow. `end` ends it (Escape
// on a recording, a press under the demo).
void sourceStarted(Source source, void (*end)());
void sourceEnded(Source source);

// A recording's event played by a source: a press, a visibility change, or its keys.
void playFromSource(Source source, const ReplayEvent& event, const Replay& replay);

// While the player has hidden the window, nothing plays and nothing waits on the game.
bool playerHidWindow();
