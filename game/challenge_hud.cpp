#include "game/challenge_hud.h"

#include "app/window.h"
#include "challenge/challenge_rules.h"
#include "game/knockout.h"
#include "game/state.h"
#include "input/key_names.h"
#include "input/settings.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/words.h"

#include <GL/glut.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int hudSize = 14; // the column's letters, and its lines
constexpr int hudTop = 18;  // from the top to the column's first line
constexpr int hudRight = 8;
constexpr float barWidth = 210.0f;
constexpr float barHeight = 10.0f;
constexpr int opponentBarLine = 2;
constexpr int staminaBarLine = 4;
constexpr int clockSize = 20;
constexpr int countSize = 100;
constexpr int flashLength = 12; // the rules' flash, for the fading
constexpr float flashAlpha = 0.6f;
constexpr int textMargin = 10;                  // each side of a line fitted to the view
constexpr int helpSteps = 10 * challengeSecond; // the lessons' time at the fight's start
constexpr int helpSize = 12;
constexpr int helpBottom = 24;

// A lesson's words and the actions whose keys fill its "%s", in order.
struct Lesson {
    Word pattern;
    Action keys[4];
};

constexpr Lesson getUpLesson = {Word::getUpHelp, {Action::leftPunch, Action::rightPunch}};
constexpr Lesson lessons[] = {
    {Word::guardHelp, {Action::guard}},
    {Word::straightHelp,
     {Action::sideLeft, Action::sideRight, Action::circleLeft, Action::circleRight}},
    {Word::hookHelp, {Action::eyeDown}},
    {Word::uppercutHelp, {Action::stepBack}},
    getUpLesson,
    {Word::counterHelp, {Action::leftPunch, Action::rightPunch}},
};
constexpr int lessonCount = sizeof lessons / sizeof lessons[0];

// A key as the lessons name it: a character as typed, an arrow in words, another name in
// capitals as the HUD's words.
std::string keyLabel(Action action) {
    const KeyCode key = actionKey(action);
    constexpr struct {
        int glutKey;
        Word name;
    } arrows[] = {{GLUT_KEY_UP, Word::upKey},
                  {GLUT_KEY_DOWN, Word::downKey},
                  {GLUT_KEY_LEFT, Word::leftKey},
                  {GLUT_KEY_RIGHT, Word::rightKey}};
    for (const auto& arrow : arrows)
        if (key == specialKey(arrow.glutKey))
            return word(arrow.name);
    std::string name = keyName(key);
    if (name.size() > 1)
        for (char& c : name)
            c = c == '_' ? ' ' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

// The lesson with the player's keys put in: plain, for its length, or with the keys in yellow.
std::string lessonText(const Lesson& lesson, bool coloured) {
    std::string text = word(lesson.pattern);
    std::size_t from = 0;
    for (const Action action : lesson.keys) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos)
            break;
        const std::string key =
            coloured ? "\\c(255 255 0)" + keyLabel(action) + "\\c(255 255 255)" : keyLabel(action);
        text.replace(at, 2, key);
        from = at + key.size();
    }
    return text;
}

// A bar and its frame on the given line of the column; the fill is `fraction` (0 to 1) of it.
void drawBar(int line, float fraction, const float colour[3]) {
    const float x = static_cast<float>(textAreaWidth() - hudRight - barWidth);
    const float y = static_cast<float>(textAreaHeight() - hudTop - line * hudSize + 2);
    glColor3f(0.0f, 0.0f, 0.0f);
    fillTextUnitQuad(x - 2, y - 2, barWidth + 4, barHeight + 4);
    glColor3f(0.25f, 0.25f, 0.25f);
    fillTextUnitQuad(x, y, barWidth, barHeight);
    glColor3fv(colour);
    fillTextUnitQuad(x, y, barWidth * fraction, barHeight);
}

void printCentred(int y, int size, const char* text) {
    printText(centredTextX(textAreaWidth(), static_cast<int>(std::strlen(text)), size), y, "%s",
              text);
}

} // namespace

const char* challengeOpponentName() {
    switch (fightOpponent) {
    case radovEzeBlack:
        return word(Word::radovEzeBlack);
    case didaVud:
        return word(Word::didaVud);
    default:
        return word(Word::radovEze);
    }
}

int fittedTextSize(int preferred, int length) {
    return std::max(1,
                    std::min(preferred, (textAreaWidth() - 2 * textMargin) / std::max(1, length)));
}

void formatClock(char* text, int size, int seconds) {
    std::snprintf(text, static_cast<std::size_t>(size), "%d:%02d", seconds / 60, seconds % 60);
}

void beginTextUnitQuads() {
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_POLYGON_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const float scale = static_cast<float>(textScaleFor(viewport[2], viewport[3]));
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewport[2], 0, viewport[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glScalef(scale, scale, 1.0f);
}

void endTextUnitQuads() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

void fillTextUnitQuad(float x, float y, float width, float height) {
    glBegin(GL_QUADS);
    glVertex2f(x, y);
    glVertex2f(x + width, y);
    glVertex2f(x + width, y + height);
    glVertex2f(x, y + height);
    glEnd();
}

void drawChallengeHud() {
    constexpr float staminaColour[3] = {0.1f, 0.8f, 0.1f};
    constexpr float opponentColour[3] = {1.0f, 0.6f, 0.0f};
    beginTextUnitQuads();
    drawBar(opponentBarLine, static_cast<float>(opponentPointsLeft()) / (knockOutPoints + 1),
            opponentColour);
    drawBar(staminaBarLine, static_cast<float>(challenge.playerStamina) / fullStamina,
            staminaColour);
    endTextUnitQuads();

    char clock[16];
    formatClock(clock, sizeof clock, challengeClockSeconds());
    // During a rest its own seconds, not the round's.
    char heading[48];
    if (currentChallengePhase() == ChallengePhase::rest)
        std::snprintf(heading, sizeof heading, "%s", word(Word::restHeading));
    else
        std::snprintf(heading, sizeof heading, "%s %d", word(Word::roundWord), challenge.round);
    char column[192];
    // The bars' lines are left empty; the level under the stamina's bar.
    const Word level = static_cast<Word>(static_cast<int>(Word::levelEasy) + challengeLevel);
    std::snprintf(column, sizeof column,
                  "\\c(255 255 255)%s  %s\n\\c(255 255 0)%s\n\n%s\n\n\\c(255 255 255)%s", heading,
                  clock, challengeOpponentName(), word(Word::stamina), word(level));
    setFontSize(hudSize);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(1.0f, 1.0f, 1.0f);
    printText(textAreaWidth() - hudRight - barWidth, textAreaHeight() - hudTop, "%s", column);
}

void drawHitFlash() {
    if (challenge.hitFlashSteps <= 0)
        return;
    beginTextUnitQuads();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 0.0f, 0.0f,
              flashAlpha * static_cast<float>(challenge.hitFlashSteps) / flashLength);
    fillTextUnitQuad(0.0f, 0.0f, static_cast<float>(textAreaWidth()),
                     static_cast<float>(textAreaHeight()));
    endTextUnitQuads();
}

void printCentredStyled(int y, int size, const float colour[3], const float shadow[3],
                        const char* text) {
    setFontSize(size);
    enableTextShadow();
    setShadowColor3f(shadow[0], shadow[1], shadow[2]);
    setTextColor3f(colour[0], colour[1], colour[2]);
    printCentred(y, size, text);
}

void printCountTexts() {
    if (challenge.countNumber > 0) {
        char number[16];
        std::snprintf(number, sizeof number, "%d", challenge.countNumber);
        printCentredStyled(textAreaHeight() / 2 - countSize / 2, countSize, hudRed, hudBlack,
                           number);
    }
    const std::string getUp = lessonText(getUpLesson, false);
    printCentredStyled(60, fittedTextSize(clockSize, static_cast<int>(getUp.size())), hudBlue,
                       hudWhite, getUp.c_str());
}

bool fightHelpShown() {
    return challenge.round == 1 && currentChallengePhase() == ChallengePhase::fighting &&
           challenge.step < helpSteps;
}

void printFightHelp() {
    std::size_t longest = 0;
    for (const Lesson& lesson : lessons)
        longest = std::max(longest, lessonText(lesson, false).size());
    const int size = fittedTextSize(helpSize, static_cast<int>(longest));
    for (int i = 0; i < lessonCount; ++i) {
        const int length = static_cast<int>(lessonText(lessons[i], false).size());
        setFontSize(size);
        enableTextShadow();
        setShadowColor3f(0.0f, 0.0f, 0.0f);
        setTextColor3f(1.0f, 1.0f, 1.0f);
        printText(centredTextX(textAreaWidth(), length, size),
                  helpBottom + (lessonCount - 1 - i) * (size + 4), "%s",
                  lessonText(lessons[i], true).c_str());
    }
}

void printRestTexts() {
    constexpr int headingSize = 40;
    const int middle = textAreaHeight() / 2;
    printCentredStyled(middle + 60, headingSize, hudYellow, hudBlack, word(Word::restHeading));
    char line[64];
    std::snprintf(line, sizeof line, "%s %d", word(Word::pointsLanded),
                  challenge.roundPointsLanded);
    printCentredStyled(middle + 10, clockSize, hudWhite, hudBlack, line);
    std::snprintf(line, sizeof line, "%s %d", word(Word::blowsTaken), challenge.roundBlowsTaken);
    printCentredStyled(middle - 20, clockSize, hudWhite, hudBlack, line);
    std::snprintf(line, sizeof line, "%s %d", word(Word::nextRound), challenge.round + 1);
    printCentredStyled(middle - 60, clockSize, hudYellow, hudBlack, line);
}
