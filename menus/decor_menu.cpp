#include "menus/decor_menu.h"

#include "challenge/circuit.h"
#include "game/fight_screen.h"
#include "game/state.h"
#include "input/keys.h"
#include "menus/challenge_marks.h"
#include "menus/menu_layout.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "scene/list_numbers.h"
#include "sound/sound.h"

#include <GL/glut.h>

namespace {

// Only the ring of the decor is shown, not its hall.
void drawDecorRing() {
    glPushMatrix();
    {
        glTranslatef(0.0f, 0.0f, -20.0f);
        glRotatef(45.0f, 1.0f, 0.0f, 0.0f);
        if (decorChoice == friendlyDecor) {
            glCallList(friendlyRingList);
            printMenuText(decorNames[0]);
        } else if (decorChoice == cupDecor) {
            glCallList(cupRingList);
            printMenuText(decorNames[1]);
        }
    }
    glPopMatrix();
}

} // namespace

void decorMenuDisplay() {
    beginMenuFrame(decorMenuLight.position);
    drawMenuArrowPair(decorMenuSpin);
    setPreviewMaterial();
    drawDecorRing();
    printMenuText(decorHeading);
    printChallengeRecords(chosenOpponent, decorChoice);
    printChallengeMark();
    endMenuFrame();
}

void decorMenuIdle() {
    turnOneDegree(decorMenuSpin);
    glutPostRedisplay();
}

// The fight lights its arena with its own light, so the menus' light goes off first. A fight
// from the menus is none of the circuit's: its end comes back to the menus.
void decorMenuKeyboard(unsigned char key, int, int) {
    if (key == enterKey) {
        playSound(Sound::menuConfirm);
        circuitFight = 0;
        glDisable(GL_LIGHT0);
        enterFightScreen(chosenOpponent, decorChoice);
    } else if (key == escapeKey) {
        enterOpponentMenu();
    }
    glutPostRedisplay();
}

void decorMenuSpecial(int key, int, int) {
    if (key == GLUT_KEY_LEFT || key == GLUT_KEY_RIGHT)
        toggleDecorChoice();
    glutPostRedisplay();
}

void enterDecorMenu(int opponent) {
    chosenOpponent = opponent;
    registerScreenCallbacks({decorMenuDisplay, decorMenuIdle, decorMenuKeyboard, decorMenuSpecial,
                             onMenuVisibility, reshapeScreen30, PadLayout::menu, "decor_menu"});
    setScreenGlState(0.6f, 0.6f, 0.6f, 0.0f);
    setScreenProjection(30.0, windowAspect());
    setScreenLight(decorMenuLight);
}
