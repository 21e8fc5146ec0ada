#include "challenge/challenge_records.h"

#include "challenge/kept_file.h"
#include "platform/platform.h"

#include <algorithm>

namespace {

ChallengeRecords records{};
bool recordsRead = false;
bool keeping = true;
long long keptSince = -1; // the step they were kept again, -1 when always kept

constexpr KeptFile recordsFile = {challengeRecordsPath, "the challenge's records",
                                  "the challenge's records are kept until the game ends",
                                  "the challenge's records start afresh", largestRecordsFile};

bool takeText(const std::string& text, std::string& problem) {
    return readChallengeRecords(text, records, problem);
}

void readOnce() {
    if (recordsRead)
        return;
    recordsRead = true;
    records = {};
    readKeptFile(recordsFile, takeText);
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
    saveKeptFile(
        recordsFile, takeText,
        [&](KeptRead) { addOutcome(records.of[opponent - 1][decor - 1], outcome); },
        [] { return challengeRecordsText(records, nativeLineEnd()); });
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
    forgetKeptFileProblems(recordsFile);
    keeping = true;
    keptSince = -1;
}
