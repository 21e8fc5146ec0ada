#include "challenge/circuit_kept.h"

#include "challenge/challenge_records.h"
#include "challenge/circuit_file.h"
#include "challenge/kept_file.h"
#include "platform/platform.h"

namespace {

void (*circuitListener)(const CircuitProgress&) = nullptr;

constexpr KeptFile circuitFile = {circuitProgressPath, "the circuit's progress",
                                  "the circuit's progress is kept until the game ends",
                                  "the circuit's progress starts afresh", largestCircuitFile};

// What the file held, taken in before it is put in effect: an unreadable file leaves the
// progress in memory as it is.
CircuitProgress fromFile{};

bool takeText(const std::string& text, std::string& problem) {
    return readCircuitText(text, fromFile, problem);
}

// The progress to go on from after a reading.
CircuitProgress progressAfter(KeptRead read) {
    switch (read) {
    case KeptRead::sound:
        return fromFile;
    case KeptRead::fresh:
        return {};
    case KeptRead::unreadable:
        break;
    }
    return circuitProgress;
}

} // namespace

void readCircuitProgress() {
    if (!recordsKept())
        return;
    circuitProgress = progressAfter(readKeptFile(circuitFile, takeText));
    if (circuitListener)
        circuitListener(circuitProgress);
}

bool saveCircuitOutcome(int opponent, const ChallengeOutcome& outcome) {
    if (!recordsKept() || outcome.winner == ChallengeWinner::none)
        return addCircuitOutcome(circuitProgress, opponent, outcome);
    bool title = false;
    saveKeptFile(
        circuitFile, takeText,
        [&](KeptRead read) {
            circuitProgress = progressAfter(read);
            title = addCircuitOutcome(circuitProgress, opponent, outcome);
        },
        [] { return circuitText(circuitProgress, nativeLineEnd()); });
    return title;
}

void setCircuitListener(void (*listener)(const CircuitProgress& progress)) {
    circuitListener = listener;
}

void forgetCircuitProgress() {
    circuitProgress = {};
    forgetKeptFileProblems(circuitFile);
}
