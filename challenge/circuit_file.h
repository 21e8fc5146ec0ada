#pragma once

#include "challenge/circuit.h"

#include <cstddef>
#include <string>

// The circuit's progress file, a small text a player may read and edit:
//
//   ruko-circuit 1
//   # comment lines and blank lines are left out
//   beaten 1
//   wins 1
//   losses 2
//   climb_steps 12000
//   titles 0
//   best_title_steps none
//   last_title_steps none
//   last_title_fights 0
//
// each key once, in any order; steps of 1/60 s, `none` for a title's time before the first.
// A byte-order mark and CR LF line ends (Notepad's) read the same.

inline constexpr std::size_t largestCircuitFile = 16 * 1024;

// The progress's numbers in the file's order, each with its key and its largest value: the
// file and a recording's circuit line both go by it.
struct CircuitField {
    const char* key;
    int CircuitProgress::*value;
    int most;
    bool time; // a title's time: `none` (0) before the first, from 1 step otherwise
};

inline constexpr CircuitField circuitFields[] = {
    {"beaten", &CircuitProgress::beaten, circuitOpponents, false},
    {"wins", &CircuitProgress::wins, mostCircuitCount, false},
    {"losses", &CircuitProgress::losses, mostCircuitCount, false},
    {"climb_steps", &CircuitProgress::climbSteps, mostCircuitSteps, false},
    {"titles", &CircuitProgress::titles, mostCircuitCount, false},
    {"best_title_steps", &CircuitProgress::bestTitleSteps, mostCircuitSteps, true},
    {"last_title_steps", &CircuitProgress::lastTitleSteps, mostCircuitSteps, true},
    {"last_title_fights", &CircuitProgress::lastTitleFights, mostCircuitCount, false},
};
inline constexpr int circuitFieldCount = sizeof circuitFields / sizeof circuitFields[0];

// The file's text, every line ending with `lineEnd`.
std::string circuitText(const CircuitProgress& progress, const char* lineEnd);

// Reads the text whole: false when it is damaged (a wrong first line, a line that is not one of
// the eight, a number out of range, a key twice or missing, a title's time with no title,
// UTF-16 or bytes that are not text, too large), `problem` then saying what, and where, in one
// phrase; the progress is then left as it was.
bool readCircuitText(const std::string& text, CircuitProgress& progress, std::string& problem);
