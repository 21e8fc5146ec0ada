#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What the readers of the small texts kept in the state folder share (the challenge's records,
// the circuit's progress): a format line first, then lines of words. Blank lines and lines
// starting with # are left out; a byte-order mark and CR LF line ends (Notepad's) read the same.

struct KeptLine {
    int number; // in the file, from 1, blank lines and comments counted
    std::vector<std::string> words;
};

// The lines after the format line, their words split at spaces and tabs: false when the text
// is damaged (larger than `largest`, UTF-16, bytes that are not text, empty, a first line other
// than `formatLine` or none), `problem` then saying what, and where, in one phrase.
bool readKeptLines(const std::string& text, std::size_t largest, const char* formatLine,
                   std::vector<KeptLine>& lines, std::string& problem);

// A whole number of at most 9 digits, no sign: -1 otherwise.
int keptNumber(const std::string& digits);

// A word of the file in quotes, cut short: a message stays one short line whatever it holds.
std::string keptQuote(const std::string& text);

// "line 12"
std::string keptLineName(int line);
