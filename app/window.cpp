#include "app/window.h"

#include "text/print_text.h"

#include <GL/glut.h>

int windowId = 0;
int windowWidth = startWindowWidth;
int windowHeight = startWindowHeight;
unsigned char whiteLightOn = 1;
float piConstant = 0.0f;
int openedWidth = startWindowWidth;
int openedHeight = startWindowHeight;
int openedX = 0;
int openedY = 0;

void openGameWindow(int* argc, char** argv) {
    glutInitWindowSize(startWindowWidth, startWindowHeight);
    glutInitWindowPosition(0, 0);
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_ALPHA | GLUT_DEPTH);
    // A -geometry with a place alone, or one GLUT cannot read, leaves the size at nothing.
    if (glutGet(GLUT_INIT_WINDOW_WIDTH) <= 0 || glutGet(GLUT_INIT_WINDOW_HEIGHT) <= 0)
        glutInitWindowSize(startWindowWidth, startWindowHeight);
    openedWidth = glutGet(GLUT_INIT_WINDOW_WIDTH);
    openedHeight = glutGet(GLUT_INIT_WINDOW_HEIGHT);
    openedX = glutGet(GLUT_INIT_WINDOW_X);
    openedY = glutGet(GLUT_INIT_WINDOW_Y);
    windowId = glutCreateWindow(windowTitle);
    windowWidth = openedWidth;
    windowHeight = openedHeight;
}

int textAreaWidth() {
    return windowWidth / textScaleFor(windowWidth, windowHeight);
}

int textAreaHeight() {
    return windowHeight / textScaleFor(windowWidth, windowHeight);
}
