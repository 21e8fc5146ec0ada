#include "setup/setup_text.h"

#include "setup/setup_choices.h"

#include "app/window.h"
#include "setup/setup_words.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"

#include <GL/glut.h>

#include <cstring>

namespace {

// In text units: the answers where the status line is, the question over them.
constexpr int textSize = 12;
constexpr int answerY = 12;
constexpr int questionY = 32;
constexpr int answerGap = 3; // characters between two answers

constexpr SetupWord answerWords[leaveAnswerCount] = {SetupWord::save, SetupWord::leaveWithoutSaving,
                                                     SetupWord::stay};

int answerLength(Language language, int answer) {
    return static_cast<int>(std::strlen(setupWord(answerWords[answer], language)));
}

int answerX(Language language, int answer) {
    int length = 0;
    for (int a = 0; a < leaveAnswerCount; ++a)
        length += answerLength(language, a) + (a > 0 ? answerGap : 0);
    int x = centredTextX(textAreaWidth(), length, textSize);
    for (int a = 0; a < answer; ++a)
        x += (answerLength(language, a) + answerGap) * textSize;
    return x;
}

} // namespace

const char* rowLabel(int row, Language language) {
    constexpr SetupWord labels[] = {SetupWord::language, SetupWord::fullScreen, SetupWord::textSize,
                                    SetupWord::volume, SetupWord::challenge};
    switch (rowKind(row)) {
    case RowKind::key:
        return actionWord(rowAction(row), language);
    case RowKind::rumble:
        return setupWord(SetupWord::tryRumble, language);
    case RowKind::save:
        return setupWord(SetupWord::save, language);
    case RowKind::play:
        return setupWord(SetupWord::play, language);
    case RowKind::quit:
        return setupWord(SetupWord::quit, language);
    default:
        return setupWord(labels[row], language);
    }
}

std::string rowValue(int row, Language language, bool awaitingKey) {
    switch (rowKind(row)) {
    case RowKind::language:
        return setupWord(SetupWord::languageName, language);
    case RowKind::fullScreen:
        return setupWord(chosenSettings.fullScreen ? SetupWord::yes : SetupWord::no, language);
    case RowKind::challenge:
        if (!chosenSettings.challenge)
            return setupWord(SetupWord::no, language);
        return setupWord(
            static_cast<SetupWord>(static_cast<int>(SetupWord::easy) + chosenSettings.difficulty),
            language);
    case RowKind::textScale:
        if (chosenSettings.textScale == autoTextScale)
            return setupWord(SetupWord::automatic, language);
        // The screen is what the game's window can grow to.
        if (!textScaleFits(chosenSettings.textScale, glutGet(GLUT_SCREEN_WIDTH),
                           glutGet(GLUT_SCREEN_HEIGHT)))
            return valueText(row) + " (" + setupWord(SetupWord::tooLarge, language) + ")";
        return valueText(row);
    case RowKind::key:
        return awaitingKey ? "?" : valueText(row);
    default:
        return valueText(row);
    }
}

void printSetupText(int x, int y, int size, TextColour colour, const std::string& text) {
    setFontSize(size);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(colour.red, colour.green, colour.blue);
    printText(x, y, "%s", text.c_str());
}

void drawLeaveQuestion(Language language, LeaveAnswer selected) {
    const char* question = setupWord(SetupWord::leaveQuestion, language);
    printSetupText(centredTextX(textAreaWidth(), static_cast<int>(std::strlen(question)), textSize),
                   questionY, textSize, headingYellow, question);
    for (int a = 0; a < leaveAnswerCount; ++a)
        printSetupText(answerX(language, a), answerY, textSize,
                       a == static_cast<int>(selected) ? nameRed : entryBlue,
                       setupWord(answerWords[a], language));
}

bool leaveAnswerAt(Language language, int textX, int textY, LeaveAnswer& answer) {
    if (textY < answerY - 3 || textY >= answerY + textSize + 3)
        return false;
    for (int a = 0; a < leaveAnswerCount; ++a) {
        const int left = answerX(language, a);
        if (textX >= left && textX < left + answerLength(language, a) * textSize) {
            answer = static_cast<LeaveAnswer>(a);
            return true;
        }
    }
    return false;
}
