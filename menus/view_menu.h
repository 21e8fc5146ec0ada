#pragma once

// The right-button menu of view options, attached once to the window for every screen.

enum ViewMenuEntry {
    toggleWhiteLightEntry = 1,
    fullScreenEntry = 2,
    wireframeEntry = 3,
    filledEntry = 4,
    quitEntry = 5,
};

// Creates the menu with its five entries and attaches it to the right button.
void createViewMenu();

// The GLUT menu callback: full screen and quitting act on the window at once; the other
// entries are inputs (input/inputs.h), recorded and played back like keys.
void onViewMenuPick(int entry);

// What an entry does. "Plein ecran" goes full screen, and back to the window as it opened.
void onViewMenu(int entry);
