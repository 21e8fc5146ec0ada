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
#include "setup/setup_words.h"
#include "sound/sound.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"

#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

enum class Status { help, pressKey, keyTaken, keyRefused, saved, notSaved };

void (*playGame)() = nullptr;
bool running = false;
int selectedRow = 0;
bool awaitingKey = false;
Status status = Status::help;
Action keyHolder = Action::none;

// In text units: the rows under the heading, the pads' block between the keys and the rumble.
constexpr int headingSize = 20;
constexpr int rowSize = 12;
constexpr int padSize = 10;
constexpr int rowStep = 17;
constexpr int padStep = 14;
constexpr int labelX = 40;
constexpr int valueX = 360;
constexpr int padPollMilliseconds = 16;

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

int rowUnder(int x, int y) {
    const int scale = textScaleFor(windowWidth, windowHeight);
    const int textX = x / scale;
    const int textY = (windowHeight - 1 - y) / scale;
    for (int row = 0; row < setupRowCount; ++row)
        if (textX >= labelX - 10 && textY >= rowY(row) - 3 && textY < rowY(row) + rowStep - 3)
            return row;
    return -1;
}

const char* rowLabel(int row) {
    constexpr SetupWord labels[] = {SetupWord::language, SetupWord::fullScreen, SetupWord::textSize,
                                    SetupWord::volume};
    switch (rowKind(row)) {
    case RowKind::key:
        return actionWord(rowAction(row), shown());
    case RowKind::rumble:
        return setupWord(SetupWord::tryRumble, shown());
    case RowKind::save:
        return setupWord(SetupWord::save, shown());
    case RowKind::play:
        return setupWord(SetupWord::play, shown());
    case RowKind::quit:
        return setupWord(SetupWord::quit, shown());
    default:
        return setupWord(labels[row], shown());
    }
}

std::string rowValue(int row) {
    switch (rowKind(row)) {
    case RowKind::language:
        return setupWord(SetupWord::languageName, shown());
    case RowKind::fullScreen:
        return setupWord(chosenSettings.fullScreen ? SetupWord::yes : SetupWord::no, shown());
    case RowKind::textScale:
        return chosenSettings.textScale == autoTextScale ? setupWord(SetupWord::automatic, shown())
                                                         : valueText(row);
    case RowKind::key:
        return awaitingKey && row == selectedRow ? "?" : valueText(row);
    default:
        return valueText(row);
    }
}

// The menus' style: a black shadow under every text.
void printStyled(int x, int y, int size, TextColour colour, const std::string& text) {
    setFontSize(size);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(colour.red, colour.green, colour.blue);
    printText(x, y, "%s", text.c_str());
}

// Each pad by its name, then its buttons: yellow while held, dark otherwise.
void drawPads() {
    int y = rowY(firstKeyRow + actionCount - 1) - rowStep;
    printStyled(labelX, y, rowSize, entryBlue, setupWord(SetupWord::pads, shown()));
    if (setupPadCount() == 0)
        printStyled(labelX + 20, y - padStep, padSize, {1.0f, 1.0f, 1.0f},
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
        printStyled(labelX + 20, y - (pad + 1) * padStep, padSize, {1.0f, 1.0f, 1.0f}, line);
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
        printStyled(labelX, rowY(row), rowSize, selected ? nameRed : entryBlue, rowLabel(row));
        printStyled(valueX, rowY(row), rowSize, selected ? nameRed : headingYellow, rowValue(row));
    }
    drawPads();
    char line[128];
    constexpr SetupWord statusWords[] = {SetupWord::help,     SetupWord::pressKey,
                                         SetupWord::keyTaken, SetupWord::keyRefused,
                                         SetupWord::saved,    SetupWord::notSaved};
    std::snprintf(line, sizeof line, setupWord(statusWords[static_cast<int>(status)], shown()),
                  status == Status::keyTaken ? actionWord(keyHolder, shown()) : "");
    printStyled(centredTextX(textAreaWidth(), static_cast<int>(std::strlen(line)), rowSize), 12,
                rowSize, headingYellow, line);
    glutSwapBuffers();
}

bool saveChosen() {
    std::string problem;
    if (saveSettings(chosenSettings, problem)) {
        status = Status::saved;
        return true;
    }
    reportSettingsProblems("ruko: " + problem + "\n");
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
        rumbleSetupPads();
        break;
    case RowKind::save:
        saveChosen();
        break;
    case RowKind::play:
        if (saveChosen())
            playInWindow();
        return;
    case RowKind::quit:
        std::exit(0);
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
    if (awaitingKey && key == escapeKey) {
        awaitingKey = false;
        status = Status::help;
    } else if (awaitingKey) {
        takeKey(key);
    } else if (key == enterKey || key == ' ') {
        activate(selectedRow);
    } else if (key == escapeKey) {
        std::exit(0);
    }
    glutPostRedisplay();
}

void setupSpecial(int key, int, int) {
    if (awaitingKey) {
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
    const int row = rowUnder(x, y);
    if (button != GLUT_LEFT_BUTTON || state != GLUT_DOWN || row < 0 || awaitingKey)
        return;
    selectedRow = row;
    activate(row);
}

void setupPointer(int x, int y) {
    const int row = rowUnder(x, y);
    if (row >= 0 && row != selectedRow && !awaitingKey) {
        selectedRow = row;
        glutPostRedisplay();
    }
}

void onPadCommand(PadCommand command) {
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
