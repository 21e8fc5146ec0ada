#include "menus/ladder_menu.h"

#include "app/window.h"
#include "challenge/circuit.h"
#include "challenge/circuit_kept.h"
#include "game/fight_screen.h"
#include "game/opponent_pose.h"
#include "input/keys.h"
#include "menus/challenge_marks.h"
#include "menus/menu_layout.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "models/opponents.h"
#include "sound/sound.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"

#include <cstring>
#include <string>

#include <GL/glut.h>

namespace {

// The three models stand a third of the window apart, farther than the opponent menu's one so
// that they fit side by side, their feet just above their names.
constexpr float modelDepth = -10.0f;
constexpr float modelLift = -1.75f;              // the body's origin lies under its feet
constexpr float halfViewAtUnitDepth = 0.267949f; // tan 15: the menus' 30 degree view
constexpr float columnShare = 2.0f / 3.0f;       // of the half width, from one to the next

constexpr TextColour beatenGreen{0.0f, 1.0f, 0.0f};
constexpr TextColour titleWhite{1.0f, 1.0f, 1.0f};

// The rows follow the window's height, as the models' feet do, from where they stand in the
// 640x480 window; the champion's mark stays under the heading.
enum class Edge { scaled, top };

struct LadderText {
    int size;
    TextColour colour;
    bool italic;
    Edge edge;
    int baseline; // at a height of 480, or pixels above the top
};

constexpr MenuText ladderHeading{Word::circuitHeading, 20, headingYellow,   true,
                                 MenuPlace::centred,   0,  MenuRow::heading};
constexpr LadderText nameText{12, nameRed, false, Edge::scaled, 150};
constexpr LadderText beatenText{12, beatenGreen, false, Edge::scaled, 130};
constexpr LadderText nextText{12, headingYellow, false, Edge::scaled, 130};
constexpr LadderText titleText{10, titleWhite, false, Edge::scaled, 112};
constexpr LadderText championText{14, headingYellow, true, Edge::top, -44};
constexpr LadderText climbText{12, beatenGreen, false, Edge::scaled, 70};
constexpr LadderText promptText{14, entryBlue, false, Edge::scaled, 40};

constexpr int titleOpponent = circuitOpponents;

bool climbWon() {
    return circuitProgress.beaten >= circuitOpponents;
}

bool beaten(int opponent) {
    return opponent <= circuitProgress.beaten;
}

bool metNext(int opponent) {
    return !climbWon() && opponent == circuitOpponent(circuitProgress);
}

int baseline(const LadderText& text, int height) {
    if (text.edge == Edge::top)
        return height + text.baseline;
    return height * text.baseline / textBaseHeight;
}

// Columns 1 to 3, left to right, in text units.
int columnCentre(int column, int width) {
    return width / 2 + (column - 2) * width / 3;
}

float columnX(int column) {
    const float halfWidth = -modelDepth * halfViewAtUnitDepth * static_cast<float>(windowAspect());
    return static_cast<float>(column - 2) * columnShare * halfWidth;
}

// The text style lasts one print.
void printLadderText(const LadderText& text, int centre, const std::string& line) {
    setFontSize(text.size);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(text.colour.red, text.colour.green, text.colour.blue);
    const int left = centre - static_cast<int>(line.size()) * text.size / 2;
    printText(left, baseline(text, textAreaHeight()), text.italic ? "\\i+%s\\i-" : "%s",
              line.c_str());
}

// Only the opponent met next turns; the beaten and those still to come face the player.
void drawLadderModel(int opponent) {
    glPushMatrix();
    {
        glTranslatef(columnX(opponent), modelLift, modelDepth);
        if (metNext(opponent))
            glRotatef(static_cast<float>(ladderSpin), 0.0f, 1.0f, 0.0f);
        drawOpponentModel(opponent);
    }
    glPopMatrix();
}

void printColumnTexts(int opponent) {
    const int centre = columnCentre(opponent, textAreaWidth());
    printLadderText(nameText, centre, word(opponentNames[opponent - 1].word));
    if (beaten(opponent))
        printLadderText(beatenText, centre, word(Word::circuitBeaten));
    else if (metNext(opponent))
        printLadderText(nextText, centre, word(Word::circuitNext));
    if (opponent == titleOpponent)
        printLadderText(titleText, centre, word(Word::circuitTitleFight));
}

void printClimb() {
    const int centre = textAreaWidth() / 2;
    if (circuitChampion(circuitProgress))
        printLadderText(championText, centre, word(Word::championMark));
    printLadderText(climbText, centre,
                    std::string(word(Word::recordWins)) + " " +
                        std::to_string(circuitProgress.wins) + "   " + word(Word::recordLosses) +
                        " " + std::to_string(circuitProgress.losses));
    printLadderText(promptText, centre,
                    word(climbWon() ? Word::circuitNewClimb : Word::circuitFightPrompt));
}

} // namespace

void ladderDisplay() {
    beginMenuFrame(ladderLight.position);
    setPreviewMaterial();
    setOpponentRestPose();
    for (int opponent = 1; opponent <= circuitOpponents; ++opponent)
        drawLadderModel(opponent);
    printMenuText(ladderHeading);
    for (int opponent = 1; opponent <= circuitOpponents; ++opponent)
        printColumnTexts(opponent);
    printClimb();
    printChallengeMark();
    endMenuFrame();
}

void ladderIdle() {
    turnOneDegree(ladderSpin);
    glutPostRedisplay();
}

// As from the decor menu, the menus' light goes off before the fight lights its arena. A climb
// won starts again from the first opponent.
void ladderKeyboard(unsigned char key, int, int) {
    if (key == enterKey) {
        playSound(Sound::menuConfirm);
        circuitFight = 1;
        circuitTitleWon = 0;
        glDisable(GL_LIGHT0);
        const int opponent = circuitOpponent(circuitProgress);
        enterFightScreen(opponent, circuitDecor(opponent));
    } else if (key == escapeKey) {
        enterModeMenu();
    }
    glutPostRedisplay();
}

// The arrows choose nothing here: the circuit's order is fixed.
void enterLadderScreen() {
    // Another game may have moved it: read again (and written into the recording).
    readCircuitProgress();
    registerScreenCallbacks({ladderDisplay, ladderIdle, ladderKeyboard, nullptr, onMenuVisibility,
                             reshapeScreen30, PadLayout::menu, "ladder"});
    setScreenGlState(0.5f, 0.5f, 0.5f, 0.0f);
    setScreenProjection(30.0, windowAspect());
    setScreenLight(ladderLight);
    // Posed here too, as the opponent menu does: the state after the screen is the same however
    // many frames it drew.
    setOpponentRestPose();
}
