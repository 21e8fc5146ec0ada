#include "app/window.h"

#include <GL/glut.h>

int windowId = 0;
int windowWidth = startWindowWidth;
int windowHeight = startWindowHeight;
unsigned char whiteLightOn = 1;
float piConstant = 0.0f;

void openGameWindow(int* argc, char** argv) {
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_ALPHA | GLUT_DEPTH);
    glutInitWindowSize(startWindowWidth, startWindowHeight);
    glutInitWindowPosition(0, 0);
    windowId = glutCreateWindow(windowTitle);
    windowWidth = startWindowWidth;
    windowHeight = startWindowHeight;
}
