#include "challenge/challenge_records_file.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

namespace {

constexpr char formatLine[] = "ruko-records 1";
constexpr const char* opponentKeys[recordOpponents] = {"radov_eze", "radov_eze_black", "dida_vud"};
constexpr const char* decorKeys[recordDecors] = {"friendly", "tavelin_cup"};
constexpr const char* countNames[] = {"wins", "losses", "draws"};
constexpr char fastestName[] = "fastest_ko_steps";
constexpr char noneWord[] = "none";
constexpr char lineShape[] = "OPPONENT DECOR wins N losses N draws N fastest_ko_steps N (or none)";

int indexOf(const std::string& key, const char* const* keys, int count) {
    for (int i = 0; i < count; ++i)
        if (key == keys[i])
            return i;
    return -1;
}

// A whole number of at most 7 digits, no sign: -1 otherwise.
int numberOf(const std::string& digits) {
    if (digits.empty() || digits.size() > 7 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(digits);
}

// Cut short: a message stays one short line whatever the file holds.
std::string quoted(const std::string& text) {
    constexpr std::size_t longest = 40;
    return "\"" + (text.size() > longest ? text.substr(0, longest) + "..." : text) + "\"";
}

std::string lineName(int line) {
    return "line " + std::to_string(line);
}

std::string pairName(int opponent, int decor) {
    return std::string(opponentKeys[opponent]) + " " + decorKeys[decor];
}

bool isUtf16(const std::string& text) {
    if (text.size() >= 2 &&
        ((text[0] == '\xff' && text[1] == '\xfe') || (text[0] == '\xfe' && text[1] == '\xff')))
        return true;
    // An ASCII letter with a zero byte beside it, without a mark.
    return text.size() >= 2 && (text[0] == '\0') != (text[1] == '\0');
}

// Printable ASCII, tabs and line ends: anything else is not what the game writes nor what a
// player types into these lines (a word, a number).
int firstNonTextByte(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte > 0x7e)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// One line of a pair; false with `problem` when it is not one.
bool readPairLine(const std::vector<std::string>& words, int line, ChallengeRecords& records,
                  int (&lineOf)[recordOpponents][recordDecors], std::string& problem) {
    if (words.size() != 10 || words[2] != countNames[0] || words[4] != countNames[1] ||
        words[6] != countNames[2] || words[8] != fastestName) {
        problem = lineName(line) + " is not " + lineShape;
        return false;
    }
    const int opponent = indexOf(words[0], opponentKeys, recordOpponents);
    const int decor = indexOf(words[1], decorKeys, recordDecors);
    if (opponent < 0 || decor < 0) {
        problem = lineName(line) + ": no opponent or decor is called " +
                  quoted(words[0] + " " + words[1]);
        return false;
    }
    if (lineOf[opponent][decor] != 0) {
        problem = lineName(line) + ": " + pairName(opponent, decor) + " again (first on " +
                  lineName(lineOf[opponent][decor]) + ")";
        return false;
    }
    lineOf[opponent][decor] = line;
    ChallengeRecord& record = records.of[opponent][decor];
    int* const counts[] = {&record.wins, &record.losses, &record.draws};
    for (int c = 0; c < 3; ++c) {
        *counts[c] = numberOf(words[3 + 2 * c]);
        if (*counts[c] < 0 || *counts[c] > mostRecordCount) {
            problem = lineName(line) + ": " + countNames[c] + " " + quoted(words[3 + 2 * c]) +
                      " is not a number from 0 to " + std::to_string(mostRecordCount);
            return false;
        }
    }
    record.fastestKnockOut = words[9] == noneWord ? 0 : numberOf(words[9]);
    if (record.fastestKnockOut < 0 || record.fastestKnockOut > mostKnockOutSteps ||
        (record.fastestKnockOut == 0 && words[9] != noneWord)) {
        problem = lineName(line) + ": " + fastestName + " " + quoted(words[9]) +
                  " is not none or a number from 1 to " + std::to_string(mostKnockOutSteps);
        return false;
    }
    if (record.fastestKnockOut != 0 && record.wins == 0) {
        problem = lineName(line) + ": a fastest knock-out with no win";
        return false;
    }
    return true;
}

bool readText(const std::string& text, ChallengeRecords& records, std::string& problem) {
    if (text.size() > largestRecordsFile) {
        problem = "larger than " + std::to_string(largestRecordsFile / 1024) + " KiB";
        return false;
    }
    if (isUtf16(text)) {
        problem = "UTF-16 text";
        return false;
    }
    const std::size_t start = text.compare(0, 3, "\xef\xbb\xbf") == 0 ? 3 : 0;
    const int odd = firstNonTextByte(text.substr(start));
    if (odd >= 0) {
        char byte[8];
        std::snprintf(byte, sizeof byte, "0x%02x",
                      static_cast<unsigned char>(text[start + static_cast<std::size_t>(odd)]));
        const std::size_t lines = std::count(text.begin(), text.begin() + start + odd, '\n');
        problem = lineName(static_cast<int>(lines) + 1) + ": byte " + byte + ", not text";
        return false;
    }
    // The game writes whole files by renaming them over: a last line without its line end is
    // a player's editor's, not a cut.
    if (text.size() == start) {
        problem = "empty";
        return false;
    }
    int lineOf[recordOpponents][recordDecors] = {};
    bool formatSeen = false;
    std::istringstream in(text.substr(start));
    int line = 0;
    for (std::string content; std::getline(in, content);) {
        ++line;
        if (!content.empty() && content.back() == '\r')
            content.pop_back();
        const std::vector<std::string> words = wordsOf(content);
        if (words.empty() || words[0][0] == '#')
            continue;
        if (!formatSeen) {
            if (words != std::vector<std::string>{"ruko-records", "1"}) {
                problem = lineName(line) + " is not " + quoted(formatLine);
                return false;
            }
            formatSeen = true;
        } else if (!readPairLine(words, line, records, lineOf, problem)) {
            return false;
        }
    }
    if (!formatSeen) {
        problem = std::string("no ") + quoted(formatLine) + " line";
        return false;
    }
    for (int o = 0; o < recordOpponents; ++o)
        for (int d = 0; d < recordDecors; ++d)
            if (lineOf[o][d] == 0) {
                problem = "no line for " + pairName(o, d);
                return false;
            }
    return true;
}

} // namespace

std::string challengeRecordsText(const ChallengeRecords& records, const char* lineEnd) {
    std::string text = std::string(formatLine) + lineEnd;
    text += std::string("# The challenge's records, one line for each opponent and decor: the "
                        "fights won, lost and drawn,") +
            lineEnd;
    text += std::string("# and the fastest knock-out won, in steps of 1/60 s (none before the "
                        "first).") +
            lineEnd;
    for (int o = 0; o < recordOpponents; ++o)
        for (int d = 0; d < recordDecors; ++d) {
            const ChallengeRecord& record = records.of[o][d];
            text += pairName(o, d) + " wins " + std::to_string(record.wins) + " losses " +
                    std::to_string(record.losses) + " draws " + std::to_string(record.draws) + " " +
                    fastestName + " " +
                    (record.fastestKnockOut > 0 ? std::to_string(record.fastestKnockOut)
                                                : std::string(noneWord)) +
                    lineEnd;
        }
    return text;
}

// Read into a copy: a damaged text leaves the records as they were.
bool readChallengeRecords(const std::string& text, ChallengeRecords& records,
                          std::string& problem) {
    ChallengeRecords read{};
    if (!readText(text, read, problem))
        return false;
    records = read;
    return true;
}
