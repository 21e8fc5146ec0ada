#include "menus/view_menu.h"

#include "app/window.h"
#include "input/inputs.h"
#include "text/words.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace {

struct MenuItem {
    ViewMenuEntry entry;
    Word label;
};

constexpr MenuItem viewMenuItems[] = {
    {toggleWhiteLightEntry, Word::whiteLightEntry},
    {fullScreenEntry, Word::fullScreenEntry},
    {wireframeEntry, Word::wireframeEntry},
    {filledEntry, Word::filledEntry},
    {quitEntry, Word::quitEntry},
};

} // namespace

// Full screen and quitting change nothing of the game: neither recorded nor a press.
void onViewMenuPick(int entry) {
    if (entry == fullScreenEntry || entry == quitEntry)
        onViewMenu(entry);
    else
        menuInput(entry);
}

void createViewMenu() {
    glutCreateMenu(onViewMenuPick);
    for (const MenuItem& item : viewMenuItems)
        glutAddMenuEntry(word(item.label), item.entry);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

void onViewMenu(int entry) {
    switch (entry) {
    case toggleWhiteLightEntry:
        // The screens switch GL_LIGHT0 without telling this flag, so the two can differ.
        whiteLightOn = !whiteLightOn;
        if (whiteLightOn)
            glEnable(GL_LIGHT0);
        else
            glDisable(GL_LIGHT0);
        break;
    case fullScreenEntry:
        // Asked of freeglut rather than kept here: its flag turns only once the window has,
        // so two picks before the next event pass cannot set the two apart.
        if (glutGet(GLUT_FULL_SCREEN)) {
            glutPositionWindow(openedX, openedY);
            glutReshapeWindow(openedWidth, openedHeight); // leaves full screen first
        } else {
            glutFullScreen();
        }
        break;
    case wireframeEntry:
        glPolygonMode(GL_FRONT, GL_LINE);
        break;
    case filledEntry:
        glPolygonMode(GL_FRONT, GL_FILL);
        break;
    case quitEntry:
        std::exit(0);
    default:
        break;
    }
    glutPostRedisplay();
}
