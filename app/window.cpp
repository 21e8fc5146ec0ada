#include "app/window.h"

#include "platform/platform.h"
#include "text/print_text.h"

#include <GL/glut.h>

#include <cstdlib>

int windowId = 0;
WindowGeometry askedGeometry;
std::string displayName;
int windowWidth = startWindowWidth;
int windowHeight = startWindowHeight;
unsigned char whiteLightOn = 1;
float piConstant = 0.0f;
int openedWidth = startWindowWidth;
int openedHeight = startWindowHeight;
int openedX = 0;
int openedY = 0;

void openGameWindow(int* argc, char** argv) {
    if (!displayAvailable(displayName))
        std::exit(2);
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_ALPHA | GLUT_DEPTH);
    const WindowGeometry& asked = askedGeometry;
    openedWidth = asked.width;
    openedHeight = asked.height;
    openedX = asked.fromRight ? glutGet(GLUT_SCREEN_WIDTH) - asked.width - asked.x : asked.x;
    openedY = asked.fromBottom ? glutGet(GLUT_SCREEN_HEIGHT) - asked.height - asked.y : asked.y;
    glutInitWindowSize(openedWidth, openedHeight);
    glutInitWindowPosition(openedX, openedY);
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
