#include "menus/opponent_menu.h"

#include "game/opponent_pose.h"
#include "game/state.h"
#include "input/keys.h"
#include "menus/challenge_marks.h"
#include "menus/menu_layout.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "models/opponents.h"
#include "sound/sound.h"

#include <GL/glut.h>

namespace {

void drawTurntable() {
    glPushMatrix();
    {
        glTranslatef(0.0f, 0.0f, -6.0f);
        glRotatef(static_cast<float>(opponentModelSpin), 0.0f, 1.0f, 0.0f);
        if (isKnownOpponent(opponentChoice)) {
            glTranslatef(0.0f, -2.0f, 0.0f);
            setOpponentRestPose();
            drawOpponentModel(opponentChoice);
            printMenuText(opponentNames[opponentChoice - 1]);
        }
    }
    glPopMatrix();
}

} // namespace

void opponentMenuDisplay() {
    beginMenuFrame(opponentMenuLight.position);
    drawMenuArrowPair(opponentMenuSpin);
    setPreviewMaterial();
    drawTurntable();
    printMenuText(opponentHeading);
    printChallengeRecords(opponentChoice, 0);
    printChallengeMark();
    endMenuFrame();
}

void opponentMenuIdle() {
    turnOneDegree(opponentMenuSpin);
    turnOneDegree(opponentModelSpin);
    glutPostRedisplay();
}

void opponentMenuKeyboard(unsigned char key, int, int) {
    if (key == enterKey) {
        playSound(Sound::menuConfirm);
        enterDecorMenu(opponentChoice);
    } else if (key == escapeKey)
        enterModeMenu();
    glutPostRedisplay();
}

void opponentMenuSpecial(int key, int, int) {
    if (key == GLUT_KEY_LEFT)
        selectPreviousOpponent();
    else if (key == GLUT_KEY_RIGHT)
        selectNextOpponent();
    glutPostRedisplay();
}

void enterOpponentMenu() {
    registerScreenCallbacks({opponentMenuDisplay, opponentMenuIdle, opponentMenuKeyboard,
                             opponentMenuSpecial, onMenuVisibility, reshapeScreen30,
                             PadLayout::menu, "opponent_menu"});
    setScreenGlState(0.5f, 0.5f, 0.5f, 0.0f);
    setScreenProjection(30.0, windowAspect());
    setScreenLight(opponentMenuLight);
    // The turntable's frames pose the opponent at rest; posed here too, the state after the
    // menu is the same however many frames it drew (a recording checked draws none).
    setOpponentRestPose();
}
