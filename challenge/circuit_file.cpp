#include "challenge/circuit_file.h"

#include "challenge/kept_text.h"

#include <vector>

namespace {

constexpr char formatLine[] = "ruko-circuit 1";
constexpr char noneWord[] = "none";
constexpr const char* headLines[] = {
    formatLine,
    "# The circuit's progress: the opponents beaten in this climb (3 once the title is won),",
    "# its fights won and lost and its time; the titles won, the fastest climb won and the last.",
    "# Times in steps of 1/60 s from each first bell (none before the first title).",
};

int fieldOf(const std::string& key) {
    for (int f = 0; f < circuitFieldCount; ++f)
        if (key == circuitFields[f].key)
            return f;
    return -1;
}

// One line of a key; false with `problem` when it is not one.
bool readFieldLine(const KeptLine& line, CircuitProgress& progress,
                   int (&lineOf)[circuitFieldCount], std::string& problem) {
    const std::string at = keptLineName(line.number);
    if (line.words.size() != 2) {
        problem = at + " is not KEY NUMBER";
        return false;
    }
    const int f = fieldOf(line.words[0]);
    if (f < 0) {
        problem = at + ": no key is called " + keptQuote(line.words[0]);
        return false;
    }
    const CircuitField& field = circuitFields[f];
    if (lineOf[f] != 0) {
        problem = at + ": " + field.key + " again (first on " + keptLineName(lineOf[f]) + ")";
        return false;
    }
    lineOf[f] = line.number;
    const std::string& word = line.words[1];
    const bool none = field.time && word == noneWord;
    const int value = none ? 0 : keptNumber(word);
    if (value < (field.time && !none ? 1 : 0) || value > field.most) {
        problem = at + ": " + field.key + " " + keptQuote(word) + " is not " +
                  (field.time ? "none or a number from 1" : "a number from 0") + " to " +
                  std::to_string(field.most);
        return false;
    }
    progress.*field.value = value;
    return true;
}

bool readText(const std::string& text, CircuitProgress& progress, std::string& problem) {
    std::vector<KeptLine> lines;
    if (!readKeptLines(text, largestCircuitFile, formatLine, lines, problem))
        return false;
    int lineOf[circuitFieldCount] = {};
    for (const KeptLine& line : lines)
        if (!readFieldLine(line, progress, lineOf, problem))
            return false;
    for (int f = 0; f < circuitFieldCount; ++f)
        if (lineOf[f] == 0) {
            problem = std::string("no line for ") + circuitFields[f].key;
            return false;
        }
    for (int f = 0; f < circuitFieldCount; ++f)
        if (circuitFields[f].time && progress.*circuitFields[f].value != 0 &&
            progress.titles == 0) {
            problem = keptLineName(lineOf[f]) + ": " + circuitFields[f].key + " with no title";
            return false;
        }
    return true;
}

} // namespace

std::string circuitText(const CircuitProgress& progress, const char* lineEnd) {
    std::string text;
    for (const char* line : headLines)
        text += std::string(line) + lineEnd;
    for (const CircuitField& field : circuitFields) {
        const int value = progress.*field.value;
        text += std::string(field.key) + " " +
                (field.time && value == 0 ? std::string(noneWord) : std::to_string(value)) +
                lineEnd;
    }
    return text;
}

// Read into a copy: a damaged text leaves the progress as it was.
bool readCircuitText(const std::string& text, CircuitProgress& progress, std::string& problem) {
    CircuitProgress read{};
    if (!readText(text, read, problem))
        return false;
    progress = read;
    return true;
}
