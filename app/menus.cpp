#include "app/menus.h"

#include "app/blank_screen.h"

// Until the title screen and the menus exist, every one of them is the blank screen.
void enterTitleScreen() {
    enterBlankScreen();
}
void enterModeMenu() {
    enterBlankScreen();
}
void enterOpponentMenu() {
    enterBlankScreen();
}
void enterDecorMenu(int) {
    enterBlankScreen();
}
void enterTrainingMenu() {
    enterBlankScreen();
}
