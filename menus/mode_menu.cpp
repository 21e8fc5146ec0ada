#include "menus/mode_menu.h"

#include "challenge/challenge_state.h"
#include "input/keys.h"
#include "menus/challenge_marks.h"
#include "menus/menu_layout.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "scene/list_numbers.h"
#include "sound/sound.h"

#include <GL/glut.h>

namespace {

// The arrow points right, towards the entries, and stands one unit lower for each entry down.
void drawModeArrow() {
    glPushMatrix();
    {
        glTranslatef(-2.0f, 0.5f, -9.0f);
        glTranslatef(0.0f, modeArrowOffset(), 0.0f);
        glRotatef(static_cast<float>(modeMenuSpin), 1.0f, 0.0f, 0.0f);
        setArrowMaterial();
        glCallList(rightArrowList);
    }
    glPopMatrix();
}

} // namespace

void modeMenuDisplay() {
    beginMenuFrame(modeMenuLight.position);
    drawModeArrow();
    printMenuText(combatEntry);
    printMenuText(trainingEntry);
    if (challengeOn)
        printMenuText(circuitEntry);
    printMenuText(modeHeading);
    printChallengeMark();
    endMenuFrame();
}

void modeMenuIdle() {
    turnOneDegree(modeMenuSpin);
    glutPostRedisplay();
}

void modeMenuKeyboard(unsigned char key, int, int) {
    if (key == enterKey) {
        playSound(Sound::menuConfirm);
        if (modeInEffect() == circuitMode)
            enterLadderScreen();
        else if (modeInEffect() == trainingMode)
            enterTrainingMenu();
        else
            enterOpponentMenu();
    } else if (key == escapeKey) {
        enterTitleScreen();
    }
    glutPostRedisplay();
}

void modeMenuSpecial(int key, int, int) {
    if (key == GLUT_KEY_UP)
        cycleModeChoice(-1);
    else if (key == GLUT_KEY_DOWN)
        cycleModeChoice(1);
    glutPostRedisplay();
}

void enterModeMenu() {
    registerScreenCallbacks({modeMenuDisplay, modeMenuIdle, modeMenuKeyboard, modeMenuSpecial,
                             onMenuVisibility, reshapeScreen30, PadLayout::menu, "mode_menu"});
    setScreenGlState(0.5f, 0.5f, 0.5f, 0.0f);
    setScreenProjection(30.0, windowAspect());
    setScreenLight(modeMenuLight);
}
