#include "setup/setup_screen.h"

#include "app/screen.h"
#include "app/window.h"
#include "input/key_names.h"
#include "input/keys.h"
#include "input/settings_writer.h"
#include "menus/menu_layout.h"
#include "platform/platform.h"
#include "setup/setup_choices.h"
#include "setup/setup_pads.h"
#include "setup/setup_text.h"
#include "setup/setup_words.h"
#include "sound/sound.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"

#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

enum class Status {
    help,
    pressKey,
    keyTaken,
    keyRefused,
    saved,
    notSaved,
    noPadToRumble,
    noRumble,
    notSavedPlaying,
};

void (*playGame)() = nullptr;
bool running = false;
int selectedRow = 0;
bool awaitingKey = false;
Status status = Status::help;
Action keyHolder = Action::none;
// Leaving with settings unsaved asks first; Play with settings that could not be saved says so
// for a moment, the window's inputs then left alone, before the game starts.
bool leaveAsked = false;
LeaveAnswer leaveAnswer = LeaveAnswer::save;
bool playPending = false;

// In text units: the rows under the heading, the pads' block between the keys and the rumble.
constexpr int headingSize = 20;
constexpr int rowSize = 12;
constexpr int padSize = 10;
constexpr int rowStep = 17;
constexpr int padStep = 14;
constexpr int labelX = 40;
constexpr int valueX = 360;
constexpr int padPollMilliseconds = 16;
constexpr int notSavedShownMilliseconds = 2000;

Language shown() {
    return chosenSettings.language;
}

int padBlockHeight() {
    return rowStep + (setupPadCount() > 0 ? setupPadCount() : 1) * padStep;
}

int rowY(int row) {
    const int y = textAreaHeight() - 64 - row * rowStep;
    return row < firstKeyRow + actionCount ? y : y - padBlockHeight();
}

// A point of the window (from its top left, in pixels) in text units.
int textX(int x) {
    return x / textScaleFor(windowWidth, windowHeight);
}

int textY(int y) {
    return (windowHeight - 1 - y) / textScaleFor(windowWidth, windowHeight);
}

int rowUnder(int x, int y) {
    for (int row = 0; row < setupRowCount; ++row)
        if (textX(x) >= labelX - 10 && textY(y) >= rowY(row) - 3 &&
            textY(y) < rowY(row) + rowStep - 3)
            return row;
    return -1;
}

// Each pad by its name, then its buttons: yellow while held, dark otherwise.
void drawPads() {
    int y = rowY(firstKeyRow + actionCount - 1) - rowStep;
    printSetupText(labelX, y, rowSize, entryBlue, setupWord(SetupWord::pads, shown()));
    if (setupPadCount() == 0)
        printSetupText(labelX + 20, y - padStep, padSize, {1.0f, 1.0f, 1.0f},
                       setupWord(SetupWord::noPad, shown()));
    for (int pad = 0; pad < setupPadCount(); ++pad) {
        std::string line = setupPadName(pad).substr(0, 15);
        for (char& c : line)
            if (c == '\\')
                c = '/'; // no escape code in a pad's name
        line.resize(16, ' ');
        for (int button = 0; button < shownButtonCount; ++button)
            line += std::string(shownButtonHeld(pad, button) ? "\\c(255 255 0)" : "\\c(60 60 60)") +
                    shownButtonLabel(button) + " ";
        printSetupText(labelX + 20, y - (pad + 1) * padStep, padSize, {1.0f, 1.0f, 1.0f}, line);
    }
}

void setupDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const char* heading = setupWord(SetupWord::heading, shown());
    const int headingLength = static_cast<int>(std::strlen(heading));
    setFontSize(headingSize);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(headingYellow.red, headingYellow.green, headingYellow.blue);
    printText(centredTextX(textAreaWidth(), headingLength, headingSize), textAreaHeight() - 30,
              "\\i+%s\\i-", heading);
    for (int row = 0; row < setupRowCount; ++row) {
        const bool selected = row == selectedRow;
        printSetupText(labelX, rowY(row), rowSize, selected ? nameRed : entryBlue,
                       rowLabel(row, shown()));
        printSetupText(valueX, rowY(row), rowSize, selected ? nameRed : headingYellow,
                       rowValue(row, shown(), awaitingKey && row == selectedRow));
    }
    drawPads();
    if (leaveAsked) {
        drawLeaveQuestion(shown(), leaveAnswer);
        glutSwapBuffers();
        return;
    }
    char line[128];
    constexpr SetupWord statusWords[] = {
        SetupWord::help,          SetupWord::pressKey, SetupWord::keyTaken,
        SetupWord::keyRefused,    SetupWord::saved,    SetupWord::notSaved,
        SetupWord::noPadToRumble, SetupWord::noRumble, SetupWord::notSavedPlaying};
    // The challenge's row says what it does while it is chosen.
    const SetupWord statusWord =
        status == Status::help && rowKind(selectedRow) == RowKind::challenge
            ? SetupWord::challengeHelp
            : statusWords[static_cast<int>(status)];
    std::snprintf(line, sizeof line, setupWord(statusWord, shown()),
                  status == Status::keyTaken ? actionWord(keyHolder, shown()) : "");
    printSetupText(centredTextX(textAreaWidth(), static_cast<int>(std::strlen(line)), rowSize), 12,
                   rowSize, headingYellow, line);
    glutSwapBuffers();
}

// The one place the setup writes the file; a problem is said with what comes of it (`then`).
bool saveChosen(const char* then) {
    std::string problem;
    if (saveSettings(chosenSettings, problem)) {
        savedSettings = chosenSettings;
        status = Status::saved;
        return true;
    }
    reportSettingsProblems("ruko: " + problem + "\n" + then);
    status = Status::notSaved;
    return false;
}

// The game takes the window over: the setup's callbacks that the game's screens do not replace
// are taken off, and SDL is left for the game to start again.
void playInWindow() {
    running = false;
    glutMouseFunc(nullptr);
    glutPassiveMotionFunc(nullptr);
    stopSetupPads();
    settingsInEffect = chosenSettings;
    playGame();
}

void playAfterMessage(int) {
    playInWindow();
}

// The game starts with the settings chosen whether or not they reach the file.
void play() {
    if (saveChosen("ruko: playing with the settings chosen, unsaved\n")) {
        playInWindow();
        return;
    }
    status = Status::notSavedPlaying;
    playPending = true;
    glutTimerFunc(notSavedShownMilliseconds, playAfterMessage, 0);
}

void askBeforeLeaving() {
    if (!chosenUnsaved())
        std::exit(0);
    leaveAsked = true;
    leaveAnswer = LeaveAnswer::save;
    playSound(Sound::menuTick);
}

// A save that fails stays, saying so.
void answerLeaving(LeaveAnswer answer) {
    leaveAsked = false;
    status = Status::help;
    if (answer == LeaveAnswer::leave || (answer == LeaveAnswer::save && saveChosen("")))
        std::exit(0);
}

void moveLeaveAnswer(int direction) {
    leaveAnswer = static_cast<LeaveAnswer>(
        (static_cast<int>(leaveAnswer) + direction + leaveAnswerCount) % leaveAnswerCount);
    playSound(Sound::menuTick);
}

void changeValue(int row, int direction, bool wrap) {
    stepValue(row, direction, wrap);
    if (rowKind(row) == RowKind::volume) {
        setSoundVolume(chosenSettings.volume);
        playSound(Sound::punchThud);
    } else {
        playSound(Sound::menuTick);
    }
}

void activate(int row) {
    status = Status::help;
    switch (rowKind(row)) {
    case RowKind::key:
        awaitingKey = true;
        status = Status::pressKey;
        break;
    case RowKind::rumble:
        if (rumbleSetupPads() == 0)
            status = setupPadCount() == 0 ? Status::noPadToRumble : Status::noRumble;
        break;
    case RowKind::save:
        saveChosen("");
        break;
    case RowKind::play:
        play();
        break;
    case RowKind::quit:
        askBeforeLeaving();
        break;
    default:
        changeValue(row, 1, true);
        break;
    }
    glutPostRedisplay();
}

void moveSelection(int direction) {
    selectedRow = (selectedRow + direction + setupRowCount) % setupRowCount;
    status = Status::help;
    playSound(Sound::menuTick);
}

void takeKey(KeyCode key) {
    switch (chooseKey(rowAction(selectedRow), key, keyHolder)) {
    case KeyChoice::bound:
        awaitingKey = false;
        status = Status::help;
        playSound(Sound::menuConfirm);
        break;
    case KeyChoice::taken:
        status = Status::keyTaken;
        break;
    case KeyChoice::refused:
        status = Status::keyRefused;
        break;
    }
}

void setupKeyboard(unsigned char key, int, int) {
    if (playPending)
        return;
    if (leaveAsked && (key == enterKey || key == ' '))
        answerLeaving(leaveAnswer);
    else if (leaveAsked && key == escapeKey)
        answerLeaving(LeaveAnswer::stay);
    else if (leaveAsked)
        return;
    else if (awaitingKey && key == escapeKey) {
        awaitingKey = false;
        status = Status::help;
    } else if (awaitingKey) {
        takeKey(key);
    } else if (key == enterKey || key == ' ') {
        activate(selectedRow);
    } else if (key == escapeKey) {
        askBeforeLeaving();
    }
    glutPostRedisplay();
}

void setupSpecial(int key, int, int) {
    if (playPending)
        return;
    if (leaveAsked) {
        if (key == GLUT_KEY_LEFT || key == GLUT_KEY_RIGHT)
            moveLeaveAnswer(key == GLUT_KEY_LEFT ? -1 : 1);
    } else if (awaitingKey) {
        // Shift, Control and the like come alone as special keys: waited past.
        if (!keyName(specialKey(key)).empty())
            takeKey(specialKey(key));
    } else if (key == GLUT_KEY_UP || key == GLUT_KEY_DOWN) {
        moveSelection(key == GLUT_KEY_UP ? -1 : 1);
    } else if ((key == GLUT_KEY_LEFT || key == GLUT_KEY_RIGHT) && selectedRow < firstKeyRow) {
        changeValue(selectedRow, key == GLUT_KEY_LEFT ? -1 : 1, false);
    }
    glutPostRedisplay();
}

void setupMouse(int button, int state, int x, int y) {
    if (button != GLUT_LEFT_BUTTON || state != GLUT_DOWN || playPending || awaitingKey)
        return;
    if (leaveAsked) {
        LeaveAnswer answer;
        if (leaveAnswerAt(shown(), textX(x), textY(y), answer))
            answerLeaving(answer);
        glutPostRedisplay();
        return;
    }
    const int row = rowUnder(x, y);
    if (row < 0)
        return;
    selectedRow = row;
    activate(row);
}

void setupPointer(int x, int y) {
    LeaveAnswer answer;
    if (leaveAsked && leaveAnswerAt(shown(), textX(x), textY(y), answer) && answer != leaveAnswer) {
        leaveAnswer = answer;
        glutPostRedisplay();
    }
    const int row = rowUnder(x, y);
    if (row >= 0 && row != selectedRow && !awaitingKey && !leaveAsked && !playPending) {
        selectedRow = row;
        glutPostRedisplay();
    }
}

void onPadCommand(PadCommand command) {
    if (playPending)
        return;
    if (leaveAsked) {
        if (command == PadCommand::left || command == PadCommand::right)
            moveLeaveAnswer(command == PadCommand::left ? -1 : 1);
        else if (command == PadCommand::activate || command == PadCommand::back)
            answerLeaving(command == PadCommand::activate ? leaveAnswer : LeaveAnswer::stay);
        return;
    }
    if (awaitingKey) {
        if (command == PadCommand::back) {
            awaitingKey = false;
            status = Status::help;
        }
        return;
    }
    if (command == PadCommand::up || command == PadCommand::down)
        moveSelection(command == PadCommand::up ? -1 : 1);
    else if ((command == PadCommand::left || command == PadCommand::right) &&
             selectedRow < firstKeyRow)
        changeValue(selectedRow, command == PadCommand::left ? -1 : 1, false);
    else if (command == PadCommand::activate)
        activate(selectedRow);
}

void padTimer(int) {
    if (!running)
        return;
    if (pollSetupPads(onPadCommand) && running)
        glutPostRedisplay();
    if (running)
        glutTimerFunc(padPollMilliseconds, padTimer, 0);
}

} // namespace

void runSetup(int* argc, char** argv, bool withSound, void (*play)()) {
    loadSettings(settingsFilePath());
    chosenSettings = settingsInEffect;
    savedSettings = settingsInEffect;
    playGame = play;
    openGameWindow(argc, argv);
    reportMissingDataFolder();
    loadFont("Data/fontGray.tga");
    if (withSound)
        startSound();
    setSoundVolume(chosenSettings.volume);
    startSetupPads();
    running = true;
    textScaleChoice = autoTextScale;
    glClearColor(0.5f, 0.5f, 0.5f, 0.0f);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glutDisplayFunc(setupDisplay);
    glutReshapeFunc(reshapeScreen30);
    glutKeyboardFunc(setupKeyboard);
    glutSpecialFunc(setupSpecial);
    glutMouseFunc(setupMouse);
    glutPassiveMotionFunc(setupPointer);
    glutTimerFunc(padPollMilliseconds, padTimer, 0);
}
