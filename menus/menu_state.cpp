#include "menus/menu_state.h"

#include "game/state.h"
#include "sound/sound.h"

int modeChoice = fightMode;
float modeCursorOffset = 0.0f;
int opponentChoice = radovEze;
int chosenOpponent = 0;
int decorChoice = friendlyDecor;
int trainingChoice = punchBagTraining;

int modeMenuSpin = 0;
int opponentMenuSpin = 0;
int decorMenuSpin = 0;
int trainingMenuSpin = 0;
int opponentModelSpin = 0;

namespace {

constexpr float fightCursorOffset = 0.0f;
constexpr float trainingCursorOffset = -1.0f;

} // namespace

void toggleModeChoice() {
    playSound(Sound::menuTick);
    if (modeChoice == fightMode) {
        modeChoice = trainingMode;
        modeCursorOffset = trainingCursorOffset;
    } else {
        modeChoice = fightMode;
        modeCursorOffset = fightCursorOffset;
    }
}

void selectPreviousOpponent() {
    playSound(Sound::menuTick);
    opponentChoice = opponentChoice == 1 ? opponentCount : opponentChoice - 1;
}

void selectNextOpponent() {
    playSound(Sound::menuTick);
    opponentChoice = opponentChoice == opponentCount ? 1 : opponentChoice + 1;
}

void toggleDecorChoice() {
    playSound(Sound::menuTick);
    decorChoice = decorChoice == friendlyDecor ? cupDecor : friendlyDecor;
}

void toggleTrainingChoice() {
    playSound(Sound::menuTick);
    trainingChoice = trainingChoice == punchBagTraining ? punchingBallTraining : punchBagTraining;
}

void turnOneDegree(int& spin) {
    spin = (spin + 1) % 360;
}
