#include "game/challenge_end.h"

#include "app/idle_pacing.h"
#include "app/screen.h"
#include "challenge/challenge_records.h"
#include "challenge/challenge_rules.h"
#include "challenge/circuit_kept.h"
#include "game/state.h"
#include "platform/platform.h"
#include "text/words.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// ISO 8859-1, as the visibility lines: "\xE0" a with grave, "\xE8" e with grave, "\xE9" e with
// acute. Split where a letter follows an escape, so it is not read as one more hex digit.
const char* resultText(ChallengeWinner winner) {
    switch (winner) {
    case ChallengeWinner::player:
        return "Victoire";
    case ChallengeWinner::opponent:
        return "D\xE9"
               "faite";
    case ChallengeWinner::draw:
    case ChallengeWinner::none:
        break;
    }
    return "Match nul";
}

const char* opponentName(int opponent) {
    switch (opponent) {
    case radovEzeBlack:
        return word(Word::radovEzeBlack, Language::fr);
    case didaVud:
        return word(Word::didaVud, Language::fr);
    default:
        return word(Word::radovEze, Language::fr);
    }
}

const char* howText(ChallengeEnd how) {
    switch (how) {
    case ChallengeEnd::knockOut:
        return "par KO";
    case ChallengeEnd::forfeit:
        return "par abandon";
    case ChallengeEnd::decision:
    case ChallengeEnd::none:
        break;
    }
    return "aux points";
}

void forfeitAtExit() {
    const char* screen = screenName();
    if (challengeOn && screen && std::strcmp(screen, "fight") == 0 &&
        challengeFightCounts(challenge.step, stepsRun()))
        leaveChallengeFight();
}

} // namespace

std::string challengeEndLine() {
    const ChallengeOutcome outcome = challengeOutcome();
    const int seconds = outcome.steps / challengeSecond;
    const char* how = howText(outcome.how);
    char line[160];
    std::snprintf(line, sizeof line, "%s contre %s %s \xE0 la reprise %d apr\xE8s %d:%02d",
                  resultText(outcome.winner), opponentName(fightOpponent), how, outcome.round,
                  seconds / 60, seconds % 60);
    return line;
}

void announceChallengeEnd() {
    printTextLine(challengeEndLine().c_str());
    const ChallengeOutcome outcome = challengeOutcome();
    const bool counts = challengeFightCounts(challenge.step, stepsRun());
    if (counts)
        recordChallengeOutcome(fightOpponent, fightDecor, outcome);
    // A fight a recording plays, or one begun under it, moves the circuit in memory alone.
    if (circuitFight)
        circuitTitleWon = counts ? saveCircuitOutcome(fightOpponent, outcome)
                                 : addCircuitOutcome(circuitProgress, fightOpponent, outcome);
}

void leaveChallengeFight() {
    if (challengeOver())
        return;
    challengeForfeit();
    // The fight is left at once: its end is told here, not by the next tick's sounds.
    takeChallengeEvents();
    announceChallengeEnd();
}

void forfeitChallengeOnQuit() {
    static bool registered = false;
    if (!registered)
        registered = std::atexit(forfeitAtExit) == 0;
}
