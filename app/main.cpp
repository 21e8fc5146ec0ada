#include "app/menus.h"
#include "app/startup.h"
#include "app/view_menu.h"
#include "app/window.h"

#include <GL/glut.h>

int main(int argc, char** argv) {
    openGameWindow(&argc, argv);
    createViewMenu();
    initResources();
    enterTitleScreen();
    glutMainLoop();
    return 1;
}
