#include "game/controls.h"

#include "app/menus.h"
#include "game/fight_scene.h"
#include "game/knockout.h"
#include "game/punches.h"
#include "game/state.h"
#include "sound/sound.h"

#include <GL/glut.h>

namespace {

constexpr unsigned char escapeKey = 27;
constexpr float eyeHeightStep = 0.25f;
constexpr float sideStep = 0.25f;
constexpr float sideOffsetLimit = 3.5f;
constexpr float distanceStep = 0.25f;
constexpr float closestDistance = 1.25f;
constexpr float farthestDistance = 3.75f;
constexpr int orbitStep = 10;
constexpr int fullTurn = 360;

// A turn around the opponent: the remainder keeps the sign of the dividend, so the angle
// stays within -350..350 without being brought into 0..359.
void turnAround(int degrees) {
    orbitAngle = (orbitAngle + degrees) % fullTurn;
    stepBobActive = 1;
    opponentStepActive = 1;
}

// A step in or out, up to the bound (exact: the distance moves by quarters from 2.0).
void stepTowards(float bound, float step) {
    if (opponentDistance == bound)
        return;
    opponentDistance += step;
    stepBobActive = 1;
}

} // namespace

void fightKeyboard(unsigned char key, int, int) {
    switch (key) {
    case escapeKey:
        switchOffDecorLight(fightDecor);
        stopCrowdMurmur();
        enterOpponentMenu();
        break;
    case 'i':
        eyeHeight += eyeHeightStep;
        break;
    case 'k':
        eyeHeight -= eyeHeightStep;
        break;
    case 'l':
        if (sideOffset != -sideOffsetLimit)
            sideOffset -= sideStep;
        break;
    case 'm':
        if (sideOffset != sideOffsetLimit)
            sideOffset += sideStep;
        break;
    case 't':
        opponentTurnFrozen = !opponentTurnFrozen;
        break;
    case 'w':
        throwLeftPunch(!knockedOut());
        break;
    case 'x':
        throwRightPunch(!knockedOut());
        break;
    default:
        break;
    }
    glutPostRedisplay();
}

void fightSpecial(int key, int, int) {
    switch (key) {
    case GLUT_KEY_LEFT:
        turnAround(orbitStep);
        break;
    case GLUT_KEY_RIGHT:
        turnAround(-orbitStep);
        break;
    case GLUT_KEY_UP:
        stepTowards(closestDistance, -distanceStep);
        break;
    case GLUT_KEY_DOWN:
        stepTowards(farthestDistance, distanceStep);
        break;
    default:
        break;
    }
    glutPostRedisplay();
}
