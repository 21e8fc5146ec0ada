#include "menus/title_screen.h"

#include "app/window.h"
#include "input/keys.h"
#include "menus/menus.h"
#include "menus/title_animation.h"
#include "scene/list_numbers.h"
#include "sound/sound.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/words.h"

#include <GL/glut.h>

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

void printCredit() {
    setFontSize(12);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(1.0f, 1.0f, 0.0f);
    printText(textAreaWidth() - 240, textAreaHeight() / 2 + 40, "%s", word(Word::credit));
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
