#pragma once

// Enter functions of the title screen and the four selection menus.

void enterTitleScreen();
void enterModeMenu();
void enterOpponentMenu();
void enterDecorMenu(int opponent);
void enterTrainingMenu();
