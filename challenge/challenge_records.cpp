#include "challenge/challenge_records.h"

#include "platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace {

ChallengeRecords records{};
bool recordsRead = false;
bool keeping = true;
long long keptSince = -1; // the step they were kept again, -1 when always kept
std::vector<std::string> said;

constexpr int mostAsideNames = 100;
constexpr char keptUntilEnd[] = "the challenge's records are kept until the game ends";

void sayOnce(const std::string& what) {
    if (std::find(said.begin(), said.end(), what) != said.end())
        return;
    said.push_back(what);
    printErrorText("ruko: " + what + "\n");
}

// challenge-records.txt set aside as challenge-records.damaged.txt, then -2, -3...
std::string asideName(const std::string& path, int number) {
    const std::size_t dot = path.rfind(".txt");
    const std::string stem = dot == std::string::npos ? path : path.substr(0, dot);
    return stem + ".damaged" + (number > 1 ? "-" + std::to_string(number) : "") + ".txt";
}

// Renamed to the first name free, never over another: a damaged file is the player's still.
bool setAside(const std::string& path, std::string& aside) {
    for (int number = 1; number <= mostAsideNames; ++number) {
        aside = asideName(path, number);
        if (renameToNewName(path, aside))
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// challenge-records.lock beside it: taken around every read that may set the file aside and
// every read, merge and write of a fight's outcome, so that two games ending fights at once
// both count, each adding its own to what the other wrote.
std::string lockName(const std::string& path) {
    const std::size_t dot = path.rfind(".txt");
    return (dot == std::string::npos ? path : path.substr(0, dot)) + ".lock";
}

enum class FileRead { missing, sound, damaged, unreadable };

FileRead readFile(const std::string& path, ChallengeRecords& read, std::string& problem) {
    bool regular = true;
    std::FILE* file = openRegularFile(path, regular);
    if (!file) {
        if (!regular || errno == EISDIR) {
            problem = regular ? "a folder" : "not a regular file";
            return FileRead::damaged;
        }
        if (errno == ENOENT)
            return FileRead::missing;
        problem = std::strerror(errno);
        return FileRead::unreadable;
    }
    std::string text(largestRecordsFile + 1, '\0');
    text.resize(std::fread(&text[0], 1, text.size(), file));
    const int readError = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (readError) {
        problem = std::strerror(readError);
        return FileRead::unreadable;
    }
    return readChallengeRecords(text, read, problem) ? FileRead::sound : FileRead::damaged;
}

// The file's records taken as they are now: true when it may be written over afterwards.
bool takeFile(const std::string& path, const char* afterwards) {
    std::string problem;
    switch (readFile(path, records, problem)) {
    case FileRead::missing:
    case FileRead::sound:
        return true;
    case FileRead::unreadable:
        sayOnce("cannot read " + path + ": " + problem + "; " + keptUntilEnd +
                ", the file left as it is");
        return false;
    case FileRead::damaged:
        break;
    }
    std::string aside;
    if (setAside(path, aside)) {
        sayOnce(path + " is damaged (" + problem + "): set aside as " + aside + afterwards);
        return true;
    }
    sayOnce(path + " is damaged (" + problem + ") and cannot be set aside (" +
            std::strerror(errno) + "): left as it is; " + keptUntilEnd);
    return false;
}

void readOnce() {
    if (recordsRead)
        return;
    recordsRead = true;
    records = {};
    const std::string path = challengeRecordsPath();
    if (path.empty())
        sayOnce(std::string("no state folder for the challenge's records; ") + keptUntilEnd);
    else {
        const FileLock lock(lockName(path));
        takeFile(path, "; the challenge's records start afresh");
    }
}

bool isPair(int opponent, int decor) {
    return opponent >= 1 && opponent <= recordOpponents && decor >= 1 && decor <= recordDecors;
}

void addOutcome(ChallengeRecord& record, const ChallengeOutcome& outcome) {
    if (outcome.winner == ChallengeWinner::player) {
        record.wins = std::min(record.wins + 1, mostRecordCount);
        const int steps = std::clamp(outcome.steps, 1, mostKnockOutSteps);
        if (outcome.how == ChallengeEnd::knockOut &&
            (record.fastestKnockOut == 0 || steps < record.fastestKnockOut))
            record.fastestKnockOut = steps;
    } else if (outcome.winner == ChallengeWinner::opponent) {
        record.losses = std::min(record.losses + 1, mostRecordCount);
    } else {
        record.draws = std::min(record.draws + 1, mostRecordCount);
    }
}

} // namespace

ChallengeRecord challengeRecord(int opponent, int decor) {
    readOnce();
    if (decor == 0 && isPair(opponent, 1)) {
        const ChallengeRecord& a = records.of[opponent - 1][0];
        const ChallengeRecord& b = records.of[opponent - 1][1];
        const int fastest = a.fastestKnockOut == 0 ? b.fastestKnockOut
                            : b.fastestKnockOut == 0
                                ? a.fastestKnockOut
                                : std::min(a.fastestKnockOut, b.fastestKnockOut);
        return {a.wins + b.wins, a.losses + b.losses, a.draws + b.draws, fastest};
    }
    return isPair(opponent, decor) ? records.of[opponent - 1][decor - 1] : ChallengeRecord{};
}

bool challengeFightCounts(int fightSteps, long long stepNow) {
    return challengeOn && keeping && (keptSince < 0 || stepNow - keptSince >= fightSteps);
}

void recordChallengeOutcome(int opponent, int decor, const ChallengeOutcome& outcome) {
    if (outcome.winner == ChallengeWinner::none || !isPair(opponent, decor) || !challengeOn ||
        !keeping)
        return;
    readOnce();
    const std::string path = challengeRecordsPath();
    if (path.empty()) {
        addOutcome(records.of[opponent - 1][decor - 1], outcome);
        sayOnce(std::string("no state folder for the challenge's records; ") + keptUntilEnd);
        return;
    }
    const FileLock lock(lockName(path));
    const bool writable = takeFile(path, "");
    addOutcome(records.of[opponent - 1][decor - 1], outcome);
    if (writable && !replaceFile(path, challengeRecordsText(records, nativeLineEnd())))
        sayOnce("cannot write " + path + ": " + std::strerror(errno) + "; " + keptUntilEnd);
}

void keepRecords(bool keep, long long stepNow) {
    if (keep && !keeping)
        keptSince = stepNow;
    keeping = keep;
}

bool recordsKept() {
    return keeping;
}

void forgetChallengeRecords() {
    records = {};
    recordsRead = false;
    said.clear();
    keeping = true;
    keptSince = -1;
}
