#include "menus/menu_state.h"

#include "challenge/challenge_state.h"
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
int ladderSpin = 0;

namespace {

constexpr int modeCount = 3;
// The arrow one unit lower for each entry down, by mode.
constexpr float cursorOffsets[modeCount] = {0.0f, -1.0f, -2.0f};

void selectMode(int mode) {
    playSound(Sound::menuTick);
    modeChoice = mode;
    modeCursorOffset = cursorOffsets[mode - 1];
}

} // namespace

void toggleModeChoice() {
    selectMode(modeInEffect() == fightMode ? trainingMode : fightMode);
}

void cycleModeChoice(int direction) {
    if (!challengeOn) {
        toggleModeChoice();
        return;
    }
    selectMode((modeChoice - 1 + direction + modeCount) % modeCount + 1);
}

int modeInEffect() {
    return modeChoice == circuitMode && !challengeOn ? fightMode : modeChoice;
}

float modeArrowOffset() {
    return modeInEffect() == modeChoice ? modeCursorOffset : cursorOffsets[fightMode - 1];
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
