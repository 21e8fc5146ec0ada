#include "bench/full_screen.h"

#include "app/startup.h"
#include "app/window.h"

#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>

void openFullScreenWindow(int* argc, char** argv) {
    askedGeometry.width = fullScreenWidth;
    askedGeometry.height = fullScreenHeight;
    openGameWindow(argc, argv);
    // A window past the screen's edge is clipped: it would measure fewer pixels than it says.
    if (glutGet(GLUT_SCREEN_WIDTH) < fullScreenWidth ||
        glutGet(GLUT_SCREEN_HEIGHT) < fullScreenHeight) {
        std::fprintf(stderr, "the screen is %dx%d, smaller than %dx%d\n",
                     glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT), fullScreenWidth,
                     fullScreenHeight);
        std::exit(1);
    }
    initResources();
}
