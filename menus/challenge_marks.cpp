#include "menus/challenge_marks.h"

#include "app/window.h"
#include "challenge/challenge_records.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/words.h"

namespace {

constexpr int markSize = 14;
constexpr int markLeft = 10;
constexpr int markBaseline = 12;

// Under the heading, which takes the top 20, in the green of the training's points: each value
// under its label, indented, so that the block stays narrow, clear of the decor's ring beside
// it and of the opponent's glove.
constexpr int recordSize = 12;
constexpr int recordLeft = 10;
constexpr int recordTopBaseline = 40; // below the top
constexpr int recordLineGap = 14;
constexpr int recordIndent = 2; // characters

// The text style lasts one print.
void printRecordText(int line, int indent, const char* text) {
    setFontSize(recordSize);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(0.0f, 1.0f, 0.0f);
    printText(recordLeft + indent * recordSize,
              textAreaHeight() - recordTopBaseline - line * recordLineGap, "%s", text);
}

void printRecordLine(int record, Word label, const std::string& value) {
    printRecordText(2 * record, 0, word(label));
    printRecordText(2 * record + 1, recordIndent, value.c_str());
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
