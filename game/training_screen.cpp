#include "game/training_screen.h"

#include "app/screen.h"
#include "app/window.h"
#include "game/gloves.h"
#include "game/pause.h"
#include "game/points_text.h"
#include "game/punches.h"
#include "game/state.h"
#include "game/training_rules.h"
#include "input/keys.h"
#include "input/settings.h"
#include "menus/menus.h"
#include "models/punching_ball.h"
#include "scene/list_numbers.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/words.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <cstring>

namespace {

void lookAtTarget() {
    gluLookAt(0.0, 2.0, 1.0, 0.0, 2.0, 0.0, 0.0, 1.0, 0.0);
}

// The shoulders stand where the fight puts them from the eye: 0.3 aside, 0.39 below,
// 0.2 ahead.
void drawGloves() {
    glPushMatrix();
    {
        glTranslatef(-0.3f, 1.61f, 0.8f);
        drawPlayerLeftArm();
    }
    glPopMatrix();
    glPushMatrix();
    {
        glTranslatef(0.3f, 1.61f, 0.8f);
        drawPlayerRightArm();
    }
    glPopMatrix();
}

void drawTarget() {
    glPushMatrix();
    {
        if (trainingKind == punchBagTraining) {
            glTranslatef(0.0f, 0.7f, -1.8f);
            glCallList(punchBagList);
        } else {
            glTranslatef(0.0f, 2.3f, 0.2f);
            drawPunchingBall(ballAngle);
        }
    }
    glPopMatrix();
}

// Centred as a line of that many characters at 20 pixels.
int centredAt20(const char* text, int extraCharacters = 0) {
    return centredTextX(textAreaWidth(), static_cast<int>(std::strlen(text)) + extraCharacters, 20);
}

// " = 48": the percentage is centred as if it had two digits, and its unit.
constexpr int percentageTail = 5;

void printResults() {
    const int width = textAreaWidth(), height = textAreaHeight();
    setFontSize(20);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(0.0f, 0.0f, 1.0f);
    const char* percentage = word(Word::percentage);
    const char* unit = word(Word::percentUnit);
    printText(centredAt20(percentage, percentageTail + static_cast<int>(std::strlen(unit))),
              height / 2 - 20, "%s = %d%s", percentage, trainingPercent, unit);

    setFontSize(20);
    enableTextShadow();
    setShadowColor3f(1.0f, 1.0f, 1.0f);
    setTextColor3f(0.0f, 0.0f, 1.0f);
    printText(centredAt20(word(Word::pressEscape)), 20, "%s", word(Word::pressEscape));

    const TrainingRating& rating = trainingRating(trainingPercent);
    setFontSize(30);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(0.0f, 1.0f, 0.0f);
    const char* ratingText = word(rating.word);
    printText(centredTextX(width, static_cast<int>(std::strlen(ratingText)), 30) + rating.nudge,
              height / 2 - 60, "%s", ratingText);
}

} // namespace

void trainingDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    {
        glLoadIdentity();
        lookAtTarget();
        glLightfv(GL_LIGHT0, GL_POSITION, trainingLight.position);
        drawGloves();
        drawTarget();
        printPointCount(trainingHits);
        if (trainingFinished)
            printResults();
        printPauseWord();
    }
    glPopMatrix();
    finishFrame();
}

void trainingIdle() {
    if (gamePaused)
        return;
    advanceTraining();
    if (trainingFinished) {
        trainingPercent = trainingPercentOf(trainingHits, trainingPunches);
        // The run is over: nothing ticks until the window is shown again, and then the first
        // step stops it once more.
        installIdle(nullptr);
    }
    glutPostRedisplay();
}

namespace {

void trainingAction(Action action) {
    if (pauseTakes(action, !trainingFinished)) {
        glutPostRedisplay();
        return;
    }
    if (action == Action::rightPunch)
        throwRightPunch(!trainingFinished);
    else if (action == Action::leftPunch)
        throwLeftPunch(!trainingFinished);
    glutPostRedisplay();
}

} // namespace

void trainingKeyboard(unsigned char key, int, int) {
    if (key == escapeKey) {
        gamePaused = 0;
        enterTrainingMenu();
        glutPostRedisplay();
    } else {
        trainingAction(actionOfKey(key));
    }
}

void trainingSpecial(int key, int, int) {
    trainingAction(actionOfKey(specialKey(key)));
}

void enterTrainingScreen(int kind) {
    trainingKind = kind;
    registerScreenCallbacks({trainingDisplay, trainingIdle, trainingKeyboard, trainingSpecial,
                             onTrainingVisibility, reshapeScreen45, PadLayout::training,
                             "training"});
    setScreenGlState(0.6f, 0.6f, 0.6f, 0.0f);
    setScreenProjection(45.0, windowAspect());
    lookAtTarget();
    setScreenLight(trainingLight);
    setTrainingStartValues(kind);
}
