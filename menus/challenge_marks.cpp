#include "menus/challenge_marks.h"

#include "app/window.h"
#include "game/challenge_records.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/words.h"

namespace {

constexpr int markSize = 14;
constexpr int markLeft = 10;
constexpr int markBaseline = 12;

// Under the heading, which takes the top 20: a line every 16, the values in a column, in the
// green of the training's points.
constexpr int recordSize = 12;
constexpr int recordLeft = 10;
constexpr int recordTopBaseline = 48; // below the top
constexpr int recordLineGap = 16;
constexpr int recordLabelWidth = 10; // characters, the longest label's

// The text style lasts one print.
void printRecordLine(int line, Word label, const std::string& value) {
    setFontSize(recordSize);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(0.0f, 1.0f, 0.0f);
    printText(recordLeft, textAreaHeight() - recordTopBaseline - line * recordLineGap, "%-*s %s",
              recordLabelWidth, word(label), value.c_str());
}

} // namespace

void printChallengeMark() {
    if (!challengeOn)
        return;
    setFontSize(markSize);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(1.0f, 1.0f, 0.0f);
    printText(markLeft, markBaseline, "\\i+%s\\i-", word(Word::challengeMark));
}

void printChallengeRecords(int opponent, int decor) {
    if (!challengeOn)
        return;
    const ChallengeRecord record = challengeRecord(opponent, decor);
    printRecordLine(0, Word::recordWins, std::to_string(record.wins));
    printRecordLine(1, Word::recordLosses, std::to_string(record.losses));
    printRecordLine(2, Word::recordDraws, std::to_string(record.draws));
    printRecordLine(3, Word::recordFastest, knockOutTime(record.fastestKnockOut));
}

std::string knockOutTime(int steps) {
    if (steps <= 0)
        return "-";
    const int seconds = steps / 60;
    const std::string tens = seconds % 60 < 10 ? "0" : "";
    return std::to_string(seconds / 60) + ":" + tens + std::to_string(seconds % 60);
}
