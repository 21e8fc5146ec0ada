#pragma once

// The menus' selections and animation angles. They live for the whole run, so a menu shows
// the selection last made, and its arrows go on turning from where they stopped.

extern int modeChoice;         // 1 fight, 2 training, 3 the circuit (with the challenge on)
extern float modeCursorOffset; // 0 beside "COMBAT", -1 beside "ENTRAINEMENT", -2 beside "CIRCUIT"
extern int opponentChoice;     // 1 to 3
extern int chosenOpponent;     // the opponent handed to the decor menu
extern int decorChoice;        // 1 or 2
extern int trainingChoice;     // 1 bag, 2 punching ball

extern int modeMenuSpin; // degrees, the menus' arrows about the X axis
extern int opponentMenuSpin;
extern int decorMenuSpin;
extern int trainingMenuSpin;
extern int opponentModelSpin; // degrees, the opponent menu's turntable
extern int ladderSpin;        // degrees, the ladder's turntable of the opponent met next

inline constexpr int fightMode = 1;
inline constexpr int trainingMode = 2;
inline constexpr int circuitMode = 3;
inline constexpr int opponentCount = 3;

// Each change of selection ticks.
// With the challenge off, Up and Down in the mode menu both toggle the mode and move the arrow
// with it.
void toggleModeChoice();

// With the challenge on, Up (-1) and Down (+1) cycle through the three modes instead.
void cycleModeChoice(int direction);

// The mode chosen as the menu stands now: the circuit counts as the fight when the challenge
// was turned off under it (a recording's source can), and so does the arrow.
int modeInEffect();
float modeArrowOffset();

// Left and Right in the opponent menu, wrapping at both ends.
void selectPreviousOpponent();
void selectNextOpponent();

// Left and Right in the decor and training menus toggle between the two choices.
void toggleDecorChoice();
void toggleTrainingChoice();

// One degree more, modulo 360.
void turnOneDegree(int& spin);
