#pragma once

// Enter functions of the title screen, the four selection menus and the circuit's ladder.

void enterTitleScreen();
void enterModeMenu();
void enterOpponentMenu();
void enterDecorMenu(int opponent);
void enterTrainingMenu();
void enterLadderScreen();
