#pragma once

#include "challenge/challenge_rules.h"
#include "replay/replay_file.h"

#include <cstdint>
#include <string>

// The words of a recording's lines (replay/replay_file.h gives the format), as the recorder
// writes them and the reader takes them back.

inline constexpr char replayFormatName[] = "ruko-replay";
inline constexpr int replayFormatVersion = 1;

// The lines a recording is made of, without their end of line.
std::string replayHeader();
std::string keysLine(std::int64_t step, const ActionKeys& keys);
std::string inputLine(std::int64_t step, const InputEvent& event);
std::string checkLine(std::int64_t step, const std::string& fields);
std::string quitLine(std::int64_t step);
// The challenge on from here with the generator in `state`, under its rules of that version
// (written after the state, but for the first rules, whose lines never named them) at its level
// (written after the version where it is not normal), or off.
std::string challengeLine(std::int64_t step, bool on, std::uint32_t state,
                          int rulesVersion = challengeRulesVersion, int level = normalDifficulty);

// The circuit's progress in effect from here.
std::string circuitLine(std::int64_t step, const CircuitProgress& progress);

// An event read, written back as its line.
std::string formatReplayEvent(const Replay& replay, const ReplayEvent& event);

// What a key, menu, click, pad or visibility event plays.
InputEvent inputOf(const ReplayEvent& event);

// The event an event's word names ("key", "check"...); false for no event.
bool replayEventKind(const std::string& word, ReplayEventKind& kind);

// The name a key goes by in a recording, and back.
std::string replayKeyName(KeyCode key);
bool replayKeyFromName(const std::string& name, KeyCode& key);
