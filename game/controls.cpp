#include "game/controls.h"

#include "challenge/challenge_attack.h"
#include "challenge/challenge_rules.h"
#include "challenge/circuit.h"
#include "game/challenge_end.h"
#include "game/champion_screen.h"
#include "game/fight_scene.h"
#include "game/knockout.h"
#include "game/pause.h"
#include "game/punches.h"
#include "game/state.h"
#include "input/settings.h"
#include "menus/menus.h"
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

// The steps and the circling stop at the knock-out, whatever key the player gave them; with
// the challenge on, also outside play (down, resting, over).
bool stepsAllowed() {
    return !knockedOut() && (!challengeOn || challengeMovesAllowed());
}

bool sideStepsAllowed() {
    return !challengeOn || challengeMovesAllowed();
}

// With the challenge on, the moves that dodge are dodges first: committed, and only one at a
// time. Circling out of the opponent's reach lets it cut the ring off.
bool dodgeAllowed(Dodge dodge) {
    return !challengeOn || challengeDodgePressed(dodge);
}

void circle(int degrees) {
    if (!stepsAllowed() || !dodgeAllowed(Dodge::slip))
        return;
    turnAround(degrees);
    if (challengeOn)
        opponentCutsOff();
}

void punch(PunchSide side, void (*thrown)(bool)) {
    if (!challengeOn || challengePunchPressed(side))
        thrown(!knockedOut());
}

} // namespace

void applyFightAction(Action action) {
    if (pauseTakes(action, !knockedOut()))
        return;
    switch (action) {
    case Action::eyeUp:
        eyeHeight += eyeHeightStep;
        break;
    case Action::eyeDown:
        // With the challenge on it ducks: the eye dips and comes back by itself.
        if (challengeOn)
            challengeDodgePressed(Dodge::duck);
        else
            eyeHeight -= eyeHeightStep;
        break;
    case Action::sideLeft:
        if (sideOffset != -sideOffsetLimit && sideStepsAllowed() && dodgeAllowed(Dodge::slip))
            sideOffset -= sideStep;
        break;
    case Action::sideRight:
        if (sideOffset != sideOffsetLimit && sideStepsAllowed() && dodgeAllowed(Dodge::slip))
            sideOffset += sideStep;
        break;
    case Action::turn:
        opponentTurnFrozen = !opponentTurnFrozen;
        break;
    case Action::leftPunch:
        punch(PunchSide::left, throwLeftPunch);
        break;
    case Action::rightPunch:
        punch(PunchSide::right, throwRightPunch);
        break;
    case Action::circleLeft:
        circle(orbitStep);
        break;
    case Action::circleRight:
        circle(-orbitStep);
        break;
    case Action::stepIn:
        if (stepsAllowed() && (!challengeOn || challengeStepInAllowed()))
            stepTowards(closestDistance, -distanceStep);
        break;
    case Action::stepBack:
        if (stepsAllowed() && dodgeAllowed(Dodge::stepBack))
            stepTowards(farthestDistance, distanceStep);
        break;
    case Action::guard:
        if (challengeOn)
            challengeGuardPressed();
        break;
    case Action::pause:
    case Action::none:
        break;
    }
}

void fightKeyboard(unsigned char key, int, int) {
    if (key != escapeKey) {
        applyFightAction(actionOfKey(key));
        glutPostRedisplay();
        return;
    }
    // Leaving before the end is a loss by forfeit, paused or not.
    gamePaused = 0;
    if (challengeOn)
        leaveChallengeFight();
    switchOffDecorLight(fightDecor);
    stopCrowdMurmur();
    if (!circuitFight)
        enterOpponentMenu();
    else if (circuitTitleWon)
        enterChampionScreen();
    else
        enterLadderScreen();
    glutPostRedisplay();
}

void fightSpecial(int key, int, int) {
    applyFightAction(actionOfKey(specialKey(key)));
    glutPostRedisplay();
}
