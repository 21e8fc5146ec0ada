#include "game/knockout.h"

#include "app/screen.h"
#include "app/window.h"
#include "challenge/challenge_state.h"
#include "game/challenge_hud.h"
#include "game/fight_scene.h"
#include "game/opponent_pose.h"
#include "game/state.h"
#include "input/pads.h"
#include "models/opponents.h"
#include "sound/sound.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/words.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <cstring>

namespace {

constexpr double scoringDistance = 1.25;
constexpr double cupCameraHeight = 30.0;
constexpr double clubCameraHeight = 15.0;
constexpr int fullTurn = 360;

// The fallen opponent: on its back, head towards -Z, its face upwards.
void drawFallenOpponent() {
    glPushMatrix();
    {
        glTranslatef(0.0f, 1.3f, 1.0f);
        glRotatef(90.0f, -1.0f, 0.0f, 0.0f);
        if (isKnownOpponent(fightOpponent)) {
            setOpponentRestPose();
            drawOpponentModel(fightOpponent);
        }
    }
    glPopMatrix();
}

void printKnockOutTexts() {
    setFontSize(50);
    enableTextShadow();
    setShadowColor3f(0, 0, 0);
    setTextColor3f(1, 1, 0);
    const char* knockOut = word(Word::knockOut);
    printText(centredTextX(textAreaWidth(), static_cast<int>(std::strlen(knockOut)), 50),
              textAreaHeight() / 2 - 25, "%s", knockOut);

    setFontSize(20);
    enableTextShadow();
    setShadowColor3f(1, 1, 1);
    setTextColor3f(0, 0, 1);
    const char* prompt = word(Word::pressEscape);
    printText(centredTextX(textAreaWidth(), static_cast<int>(std::strlen(prompt)), 20), 30, "%s",
              prompt);

    // With the challenge on, the player's win is said in words, as its loss is.
    if (challengeOn) {
        const char* winner = word(Word::playerWinsByKnockOut);
        printCentredStyled(textAreaHeight() / 2 + 40,
                           fittedTextSize(20, static_cast<int>(std::strlen(winner))), hudYellow,
                           hudBlack, winner);
    }
}

} // namespace

void applyHitRule() {
    if (static_cast<double>(opponentDistance) == scoringDistance)
        scorePoints(1);
}

void scorePoints(int points) {
    const bool wasStanding = !knockedOut();
    fightPoints += points;
    playSound(Sound::punchThud);
    // Once, with the punch that passes the threshold, even when both gloves score at once.
    if (wasStanding && knockedOut()) {
        playSound(Sound::knockOutBells);
        playSound(Sound::crowdCheer);
        rumblePads(PadRumble::knockOut);
    } else {
        rumblePads(PadRumble::hit);
    }
}

bool knockedOut() {
    return fightPoints > knockOutPoints;
}

void knockOutTest() {
    if (!knockedOut())
        return;
    glutDisplayFunc(koDisplay);
    // From the knock-out on, the arena turns around the opponent lying at rest, and the arrows
    // do nothing. The screen's idle is replaced too, so showing the window again resumes the
    // turn. Done in the tick rather than by the first knock-out frame, so that the state
    // follows from the steps alone.
    if (screenIdle() != koIdle)
        setScreenIdle(koIdle);
    replaceScreenControls(nullptr, PadLayout::knockOut);
    setOpponentRestPose();
}

void applyKoCamera(int decor) {
    gluLookAt(0, decor == cupDecor ? cupCameraHeight : clubCameraHeight, 1, 0, 1, 0, 0, 1, 0);
}

void koDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    {
        glLoadIdentity();
        applyKoCamera(fightDecor);
        placeDecorLight(fightDecor);
        glRotatef(static_cast<float>(koSpin), 0.0f, 1.0f, 0.0f);
        drawFallenOpponent();
        drawDecorScenery(fightDecor);
        printKnockOutTexts();
    }
    glPopMatrix();
    finishFrame();
}

void koIdle() {
    koSpin = (koSpin + 1) % fullTurn;
    glutPostRedisplay();
}
