#pragma once

#include <string>

// The challenge's records file, a small text a player may read and edit:
//
//   ruko-records 1
//   # comment lines and blank lines are left out
//   radov_eze friendly wins 3 losses 1 draws 0 fastest_ko_steps 4980
//
// one line for each opponent and decor, in any order; fastest_ko_steps is the fastest
// knock-out won, in steps of 1/60 s from the first bell, `none` before the first. A byte-order
// mark and CR LF line ends (Notepad's) read the same.

struct ChallengeRecord {
    int wins;
    int losses;
    int draws;
    int fastestKnockOut; // steps; 0 for none
};

inline constexpr int recordOpponents = 3;
inline constexpr int recordDecors = 2;

struct ChallengeRecords {
    ChallengeRecord of[recordOpponents][recordDecors]; // [opponent - 1][decor - 1]
};

inline constexpr int mostRecordCount = 999999;
inline constexpr int mostKnockOutSteps = 60 * 60 * 60; // an hour: no fight lasts that long
inline constexpr std::size_t largestRecordsFile = 16 * 1024;

// The file's text, every line ending with `lineEnd`.
std::string challengeRecordsText(const ChallengeRecords& records, const char* lineEnd);

// Reads the text whole: false when it is damaged (a wrong first line, a line that is not one of
// the six, a number out of range, a pair twice or missing, a last line cut short, UTF-16 or
// bytes that are not text, too large), `problem` then saying what, and where, in one phrase.
bool readChallengeRecords(const std::string& text, ChallengeRecords& records, std::string& problem);
