#include "game/fight_screen.h"

#include "app/screen.h"
#include "app/window.h"
#include "challenge/challenge_state.h"
#include "game/challenge_view.h"
#include "game/controls.h"
#include "game/fight_scene.h"
#include "game/fight_tick.h"
#include "game/gloves.h"
#include "game/knockout.h"
#include "game/pause.h"
#include "game/points_text.h"
#include "game/state.h"
#include "models/opponents.h"
#include "sound/sound.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <cmath>

namespace {

constexpr double fightFieldOfView = 60.0;
constexpr double degreesPerRadian = 57.29577951;
constexpr double lookAtHeight = 3.0;
// The shoulders sit 0.39 below the eye, 0.3 to each side and 0.2 ahead of it.
constexpr double shoulderDrop = 0.39;
constexpr float shoulderAhead = 0.2f;

void drawGlove(float side, void (*drawArm)(), const EyePosition& eye) {
    glPushMatrix();
    {
        applyGloveFrame(side, eye);
        drawArm();
    }
    glPopMatrix();
}

} // namespace

void drawFightGloves(const EyePosition& eye) {
    drawGlove(leftShoulderSide, drawPlayerLeftArm, eye);
    drawGlove(rightShoulderSide, drawPlayerRightArm, eye);
}

void drawFacingOpponent() {
    glPushMatrix();
    {
        if (!opponentTurnFrozen)
            glRotatef(static_cast<float>(orbitAngle), 0.0f, -1.0f, 0.0f);
        drawOpponentModel(fightOpponent);
    }
    glPopMatrix();
}

EyePosition fightEye() {
    const double a = orbitAngle / degreesPerRadian;
    return {sideOffset * std::cos(a) - opponentDistance * std::sin(a), eyeHeight,
            sideOffset * std::sin(a) + opponentDistance * std::cos(a)};
}

EyePosition applyFightCamera() {
    const EyePosition eye = fightEye();
    gluLookAt(eye.x, eye.y, eye.z, 0, lookAtHeight, 0, 0, 1, 0);
    return eye;
}

void applyGloveFrame(float side, const EyePosition& eye) {
    glTranslatef(static_cast<float>(eye.x), static_cast<float>(eyeHeight - shoulderDrop),
                 static_cast<float>(eye.z));
    glRotatef(static_cast<float>(orbitAngle), 0.0f, -1.0f, 0.0f);
    glTranslatef(side, 0.0f, -shoulderAhead);
}

void enterFightScreen(int opponent, int decor) {
    fightOpponent = opponent;
    fightDecor = decor;
    registerScreenCallbacks({fightDisplay, fightIdle, fightKeyboard, fightSpecial, onMenuVisibility,
                             reshapeScreen60, PadLayout::fight, "fight"});
    setScreenGlState(0.0f, 0.0f, 0.0f, 0.0f);
    setScreenProjection(fightFieldOfView, windowAspect());
    // The start view, for the light positions below; every frame loads its own.
    glLoadIdentity();
    gluLookAt(0, 3, 2, 0, 3, 0, 0, 1, 0);
    setUpDecorLight(fightDecor);
    glLineWidth(2.0f);
    setFightStartValues();
    if (challengeOn)
        startChallengeView();
    playSound(Sound::bell);
    if (fightDecor == cupDecor)
        startCrowdMurmur();
}

void fightDisplay() {
    if (challengeOn) {
        challengeFightDisplay();
        return;
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    {
        glLoadIdentity();
        const EyePosition eye = applyFightCamera();
        placeDecorLight(fightDecor);
        drawFightGloves(eye);
        drawFacingOpponent();
        drawDecorScenery(fightDecor);
        printPointCount(fightPoints);
        printPauseWord();
    }
    glPopMatrix();
    finishFrame();
}

void fightIdle() {
    if (gamePaused)
        return;
    const FightTickResult result = fightTick();
    if (challengeOn)
        challengeAfterTick(result);
    knockOutTest();
    glutPostRedisplay();
}
