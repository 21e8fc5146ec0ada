#include "challenge/challenge_records_file.h"

#include "challenge/kept_text.h"

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

std::string pairName(int opponent, int decor) {
    return std::string(opponentKeys[opponent]) + " " + decorKeys[decor];
}

// One line of a pair; false with `problem` when it is not one.
bool readPairLine(const std::vector<std::string>& words, int line, ChallengeRecords& records,
                  int (&lineOf)[recordOpponents][recordDecors], std::string& problem) {
    if (words.size() != 10 || words[2] != countNames[0] || words[4] != countNames[1] ||
        words[6] != countNames[2] || words[8] != fastestName) {
        problem = keptLineName(line) + " is not " + lineShape;
        return false;
    }
    const int opponent = indexOf(words[0], opponentKeys, recordOpponents);
    const int decor = indexOf(words[1], decorKeys, recordDecors);
    if (opponent < 0 || decor < 0) {
        problem = keptLineName(line) + ": no opponent or decor is called " +
                  keptQuote(words[0] + " " + words[1]);
        return false;
    }
    if (lineOf[opponent][decor] != 0) {
        problem = keptLineName(line) + ": " + pairName(opponent, decor) + " again (first on " +
                  keptLineName(lineOf[opponent][decor]) + ")";
        return false;
    }
    lineOf[opponent][decor] = line;
    ChallengeRecord& record = records.of[opponent][decor];
    int* const counts[] = {&record.wins, &record.losses, &record.draws};
    for (int c = 0; c < 3; ++c) {
        *counts[c] = keptNumber(words[3 + 2 * c]);
        if (*counts[c] < 0 || *counts[c] > mostRecordCount) {
            problem = keptLineName(line) + ": " + countNames[c] + " " +
                      keptQuote(words[3 + 2 * c]) + " is not a number from 0 to " +
                      std::to_string(mostRecordCount);
            return false;
        }
    }
    record.fastestKnockOut = words[9] == noneWord ? 0 : keptNumber(words[9]);
    if (record.fastestKnockOut < 0 || record.fastestKnockOut > mostKnockOutSteps ||
        (record.fastestKnockOut == 0 && words[9] != noneWord)) {
        problem = keptLineName(line) + ": " + fastestName + " " + keptQuote(words[9]) +
                  " is not none or a number from 1 to " + std::to_string(mostKnockOutSteps);
        return false;
    }
    if (record.fastestKnockOut != 0 && record.wins == 0) {
        problem = keptLineName(line) + ": a fastest knock-out with no win";
        return false;
    }
    return true;
}

bool readText(const std::string& text, ChallengeRecords& records, std::string& problem) {
    std::vector<KeptLine> lines;
    if (!readKeptLines(text, largestRecordsFile, formatLine, lines, problem))
        return false;
    int lineOf[recordOpponents][recordDecors] = {};
    for (const KeptLine& line : lines)
        if (!readPairLine(line.words, line.number, records, lineOf, problem))
            return false;
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
