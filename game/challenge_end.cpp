#include "game/challenge_end.h"

#include "game/challenge_records.h"
#include "game/challenge_rules.h"
#include "game/state.h"
#include "platform/platform.h"
#include "text/words.h"

#include <cstdio>

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

} // namespace

std::string challengeEndLine() {
    const ChallengeOutcome outcome = challengeOutcome();
    const int seconds = outcome.steps / challengeSecond;
    const char* how = outcome.how == ChallengeEnd::knockOut ? "par KO" : "aux points";
    char line[160];
    std::snprintf(line, sizeof line, "%s contre %s %s \xE0 la reprise %d apr\xE8s %d:%02d",
                  resultText(outcome.winner), opponentName(fightOpponent), how, outcome.round,
                  seconds / 60, seconds % 60);
    return line;
}

void announceChallengeEnd() {
    printTextLine(challengeEndLine().c_str());
    recordChallengeOutcome(fightOpponent, fightDecor, challengeOutcome());
}
