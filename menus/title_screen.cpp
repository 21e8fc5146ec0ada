#include "menus/title_screen.h"

#include "app/window.h"
#include "challenge/circuit.h"
#include "input/keys.h"
#include "menus/challenge_marks.h"
#include "menus/menus.h"
#include "menus/title_animation.h"
#include "scene/list_numbers.h"
#include "sound/sound.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/words.h"

#include <GL/glut.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr float titleLetterGap = 0.7f;
constexpr SceneList titleLetters[] = {titleLetterListR, titleLetterListU, titleLetterListK,
                                      titleLetterListO};

void drawTitleLetters() {
    glPushMatrix();
    {
        glTranslatef(-1.5f, 1.5f, -6.0f);
        glTranslatef(titleSlide, 0.0f, 0.0f);
        for (const SceneList letter : titleLetters) {
            if (letter != titleLetterListR)
                glTranslatef(titleLetterGap, 0.0f, 0.0f);
            glCallList(letter);
        }
    }
    glPopMatrix();
}

// The logo, seen in perspective, grows with the window's height about its middle: the byline
// keeps its place under it, its centre and top that many pixels of a 480-high window right of
// and above the middle, whatever its own size; in the window where the logo is wider.
constexpr int creditSize = 12;
constexpr int creditCentreRight = 140;
constexpr int creditTopAbove = 52;

void printCredit() {
    setFontSize(creditSize);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(1.0f, 1.0f, 0.0f);
    const char* credit = word(Word::credit);
    const int width = static_cast<int>(std::strlen(credit)) * creditSize;
    const int scale = textScaleFor(windowWidth, windowHeight);
    const int centre = windowWidth / 2 + creditCentreRight * windowHeight / textBaseHeight;
    const int top = windowHeight / 2 + creditTopAbove * windowHeight / textBaseHeight;
    const int x = std::max(0, std::min(centre / scale - width / 2, textAreaWidth() - width));
    printText(x, top / scale - creditSize, "%s", credit);
}

void printPrompt() {
    setFontSize(20);
    enableTextShadow();
    setShadowColor3f(1.0f, 1.0f, 1.0f);
    setTextColor3f(1.0f, 0.0f, 0.0f);
    // Centred, 10 pixels right of that.
    const char* prompt = word(Word::pressEnter);
    printText(centredTextX(textAreaWidth(), static_cast<int>(std::strlen(prompt)), 20) + 10, 30,
              "%s", prompt);
}

// A circuit won: its mark in gold, centred between the prompt and the turning ring's lowest
// corner.
constexpr int championMarkSize = 14;
constexpr int championMarkBaseline = 60;

void printChampionMark() {
    if (!circuitChampion(circuitProgress))
        return;
    setFontSize(championMarkSize);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(1.0f, 0.8f, 0.1f);
    const char* mark = word(Word::championMark);
    printText(centredTextX(textAreaWidth(), static_cast<int>(std::strlen(mark)), championMarkSize),
              championMarkBaseline, "%s", mark);
}

// Drawn after the text and with the matrix of the frame: where the ring covers a letter of
// the text, the ring shows.
void drawTurningRing() {
    glTranslatef(0.0f, -3.5f, -38.0f);
    glRotatef(30.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(static_cast<float>(titleRingSpin), 0.0f, 1.0f, 0.0f);
    glCallList(friendlyRingList);
}

} // namespace

void titleDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    {
        glLoadIdentity();
        glLightfv(GL_LIGHT0, GL_POSITION, titleLight.position);
        drawTitleLetters();
        printCredit();
        if (titleBlinkOn)
            printPrompt();
        printChallengeMark();
        printChampionMark();
        drawTurningRing();
    }
    glPopMatrix();
    finishFrame();
}

void titleIdle() {
    advanceTitleAnimation();
    ++titleStepsUntouched;
    glutPostRedisplay();
}

void titleKeyboard(unsigned char key, int, int) {
    if (key == enterKey) {
        playSound(Sound::menuConfirm);
        enterModeMenu();
    } else if (key == escapeKey) {
        glutDestroyWindow(windowId);
        std::exit(0);
    }
    glutPostRedisplay();
}

void enterTitleScreen() {
    registerScreenCallbacks({titleDisplay, titleIdle, titleKeyboard, nullptr, onTitleVisibility,
                             reshapeScreen30, PadLayout::title, "title"});
    setScreenGlState(0.6f, 0.6f, 0.6f, 0.6f);
    setScreenProjection(30.0, windowAspect());
    setScreenLight(titleLight);
}
