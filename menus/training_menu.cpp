#include "menus/training_menu.h"

#include "game/state.h"
#include "game/training_screen.h"
#include "input/keys.h"
#include "menus/challenge_marks.h"
#include "menus/menu_layout.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "models/punching_ball.h"
#include "scene/list_numbers.h"
#include "sound/sound.h"

#include <GL/glut.h>

namespace {

// No material is set after the arrows: the bag's list and the ball set their own.
void drawTrainingTarget() {
    glPushMatrix();
    {
        if (trainingChoice == punchBagTraining) {
            glTranslatef(0.5f, -1.0f, -9.0f);
            glRotatef(-30.0f, 0.0f, 1.0f, 0.0f);
            glCallList(punchBagList);
            printMenuText(trainingNames[0]);
        } else if (trainingChoice == punchingBallTraining) {
            glTranslatef(0.4f, 0.5f, -4.0f);
            glRotatef(30.0f, 0.0f, 1.0f, 0.0f);
            drawPunchingBall(0);
            printMenuText(trainingNames[1]);
        }
    }
    glPopMatrix();
}

} // namespace

void trainingMenuDisplay() {
    beginMenuFrame(trainingMenuLight.position);
    drawMenuArrowPair(trainingMenuSpin);
    drawTrainingTarget();
    printMenuText(trainingHeading);
    printChallengeMark();
    endMenuFrame();
}

void trainingMenuIdle() {
    turnOneDegree(trainingMenuSpin);
    glutPostRedisplay();
}

void trainingMenuKeyboard(unsigned char key, int, int) {
    if (key == enterKey) {
        playSound(Sound::menuConfirm);
        enterTrainingScreen(trainingChoice);
    } else if (key == escapeKey)
        enterModeMenu();
    glutPostRedisplay();
}

void trainingMenuSpecial(int key, int, int) {
    if (key == GLUT_KEY_LEFT || key == GLUT_KEY_RIGHT)
        toggleTrainingChoice();
    glutPostRedisplay();
}

void enterTrainingMenu() {
    registerScreenCallbacks({trainingMenuDisplay, trainingMenuIdle, trainingMenuKeyboard,
                             trainingMenuSpecial, onMenuVisibility, reshapeScreen30,
                             PadLayout::menu, "training_menu"});
    setScreenGlState(0.5f, 0.5f, 0.5f, 0.0f);
    setScreenProjection(30.0, trainingMenuAspect);
    setScreenLight(trainingMenuLight);
}
