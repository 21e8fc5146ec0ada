#include "game/champion_screen.h"

#include "app/screen.h"
#include "app/window.h"
#include "challenge/circuit.h"
#include "game/challenge_hud.h"
#include "game/fight_scene.h"
#include "game/state.h"
#include "input/keys.h"
#include "menus/challenge_marks.h"
#include "menus/menus.h"
#include "models/cup.h"
#include "scene/rings.h"
#include "sound/sound.h"
#include "text/words.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <string>

int championStep = 0;

namespace {

constexpr double championFieldOfView = 45.0;

// Outside the ropes, clear of the grandstands, a little above the cup's rim.
struct CameraPlace {
    double distance, height, lookAtHeight;
};
constexpr CameraPlace championCamera{6.5, 3.4, 1.8};

constexpr int cupStepsPerTurn = 360;
constexpr int cameraStepsPerDegree = 4;
constexpr int blinkSteps = 30;
// Larger than life, so that it holds the middle of the view.
constexpr float cupScale = 1.4f;

// Sizes and baselines in text units: the heading under the top, the climb's lines above the
// prompt, clear of the cup in the middle.
constexpr int headingSize = 50;
constexpr int headingBelowTop = 70;
constexpr int lineSize = 20;
constexpr int firstLineBaseline = 130;
constexpr int lineGap = 28;
constexpr int promptSize = 20;
constexpr int promptBaseline = 30;

void applyChampionCamera() {
    gluLookAt(0.0, championCamera.height, championCamera.distance, 0.0, championCamera.lookAtHeight,
              0.0, 0.0, 1.0, 0.0);
}

// Scaled, its normals would shrink and its gold dim: they are made whole again for it alone.
void drawTurningCup() {
    glPushAttrib(GL_ENABLE_BIT);
    glEnable(GL_NORMALIZE);
    glPushMatrix();
    {
        glTranslatef(0.0f, ringMatHeight, 0.0f);
        glRotatef(static_cast<float>(championStep % cupStepsPerTurn), 0.0f, 1.0f, 0.0f);
        glScalef(cupScale, cupScale, cupScale);
        drawCup();
    }
    glPopMatrix();
    glPopAttrib();
}

void printClimbLine(int line, Word label, const std::string& value) {
    const std::string text = std::string(word(label)) + "  " + value;
    printCentredStyled(firstLineBaseline - line * lineGap,
                       fittedTextSize(lineSize, static_cast<int>(text.size())), hudWhite, hudBlack,
                       text.c_str());
}

void printChampionTexts() {
    const char* heading = word(Word::championHeading);
    printCentredStyled(textAreaHeight() - headingBelowTop,
                       fittedTextSize(headingSize, static_cast<int>(std::string(heading).size())),
                       hudYellow, hudBlack, heading);
    printClimbLine(0, Word::circuitTime, knockOutTime(circuitProgress.lastTitleSteps));
    printClimbLine(1, Word::circuitFights, std::to_string(circuitProgress.lastTitleFights));
    printClimbLine(2, Word::circuitBestTime, knockOutTime(circuitProgress.bestTitleSteps));
    if (championStep / blinkSteps % 2 == 0)
        printCentredStyled(promptBaseline, promptSize, hudBlue, hudWhite, word(Word::pressEnter));
}

void leaveChampionScreen() {
    switchOffDecorLight(cupDecor);
    stopCrowdMurmur();
    playSound(Sound::menuConfirm);
    enterTitleScreen();
}

} // namespace

void championDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    {
        glLoadIdentity();
        applyChampionCamera();
        placeDecorLight(cupDecor);
        // The hall turns under a still camera: the camera seems to walk round the ring.
        glRotatef(static_cast<float>(championStep / cameraStepsPerDegree), 0.0f, 1.0f, 0.0f);
        drawTurningCup();
        drawDecorScenery(cupDecor);
        printChampionTexts();
    }
    glPopMatrix();
    finishFrame();
}

void championIdle() {
    championStep = (championStep + 1) % championCycle;
    glutPostRedisplay();
}

void championKeyboard(unsigned char key, int, int) {
    if (key == enterKey || key == escapeKey)
        leaveChampionScreen();
    glutPostRedisplay();
}

void enterChampionScreen() {
    championStep = 0;
    registerScreenCallbacks({championDisplay, championIdle, championKeyboard, nullptr,
                             onMenuVisibility, reshapeScreen45, PadLayout::menu, "champion"});
    setScreenGlState(0.0f, 0.0f, 0.0f, 0.0f);
    setScreenProjection(championFieldOfView, windowAspect());
    // The menus' light, fixed to the viewer, lights the cup's front; the hall's spot above.
    glLoadIdentity();
    setScreenLight(menuLight);
    applyChampionCamera();
    setUpDecorLight(cupDecor);
    playSound(Sound::crowdCheer);
    startCrowdMurmur();
}
