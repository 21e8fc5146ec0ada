#include "app/blank_screen.h"

#include "app/screen.h"

#include <GL/glut.h>

namespace {

void blankDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

void blankIdle() {
    glutPostRedisplay();
}

void blankKeyboard(unsigned char, int, int) {
    glutPostRedisplay();
}

} // namespace

void enterBlankScreen() {
    registerScreenCallbacks(
        {blankDisplay, blankIdle, blankKeyboard, nullptr, onTitleVisibility, reshapeScreen30});
    setScreenGlState(0.6f, 0.6f, 0.6f, 0.6f);
    setScreenProjection(30.0, windowAspect());
    setScreenLight(menuLight);
}
