#include "app/idle_pacing.h"
#include "app/screen.h"
#include "app/startup.h"
#include "app/window.h"
#include "game/controls.h"
#include "game/fight_screen.h"
#include "game/knockout.h"
#include "game/state.h"
#include "game/training_screen.h"
#include "input/inputs.h"
#include "input/settings.h"
#include "menus/decor_menu.h"
#include "menus/menu_layout.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "menus/mode_menu.h"
#include "menus/opponent_menu.h"
#include "menus/title_animation.h"
#include "menus/title_screen.h"
#include "menus/training_menu.h"
#include "replay/game_state.h"
#include "replay/plug_in.h"
#include "replay/recorder.h"
#include "replay/replays.h"
#include "tests/support/gl_harness.h"
#include "tests/support/glyph_quads.h"
#include "text/print_text.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <thread>

// The screens' keys driven through their real callbacks in a real window: which screen is
// active is told by the idle step it installed.

namespace {

constexpr unsigned char enter = 13;
constexpr unsigned char escape = 27;

std::array<float, 4> clearColour() {
    std::array<float, 4> colour{};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour.data());
    return colour;
}

void expectClearColour(float grey, float alpha) {
    const std::array<float, 4> colour = clearColour();
    EXPECT_FLOAT_EQ(colour[0], grey);
    EXPECT_FLOAT_EQ(colour[1], grey);
    EXPECT_FLOAT_EQ(colour[2], grey);
    EXPECT_FLOAT_EQ(colour[3], alpha);
}

// The aspect the current projection was made with.
double projectionAspect() {
    const std::array<float, 16> m = currentMatrix(GL_PROJECTION_MATRIX);
    return static_cast<double>(m[5]) / m[0];
}

// The window at a new size once X has made it so, and the screen's reshape done.
void resizeWindow(int width, int height) {
    glutReshapeWindow(width, height);
    for (int pass = 0; pass < 500 && glutGet(GLUT_WINDOW_WIDTH) != width; ++pass) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        pumpEvents();
    }
    ASSERT_EQ(glutGet(GLUT_WINDOW_WIDTH), width);
    reshapeScreen30(width, height);
}

// Where a text's pure yellow lies in the frame: left and right, and its top and bottom as
// distances from the window's top.
struct YellowBox {
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};

YellowBox yellowIn(void (*display)()) {
    display();
    const std::vector<std::uint8_t> frame = readFrame();
    YellowBox box;
    for (int y = 0; y < windowHeight; ++y)
        for (int x = 0; x < windowWidth; ++x) {
            const std::uint8_t* p = &frame[(static_cast<std::size_t>(y) * windowWidth + x) * 3];
            if (p[0] < 220 || p[1] < 220 || p[2] > 60)
                continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, windowHeight - 1 - y);
            box.bottom = std::max(box.bottom, windowHeight - 1 - y);
        }
    return box;
}

class ScreenFlow : public testing::Test {
  protected:
    static void SetUpTestSuite() { initResources(); }
    void SetUp() override {
        resetGlState();
        modeChoice = fightMode;
        modeCursorOffset = 0.0f;
        opponentChoice = 1;
        chosenOpponent = 0;
        decorChoice = 1;
        trainingChoice = 1;
    }
    void TearDown() override {
        windowWidth = startWindowWidth;
        windowHeight = startWindowHeight;
    }
};

void runSlots(int slots) {
    for (int i = 0; i < slots; ++i)
        runSlot();
}

// The scoring rule one distance too far: a punch that turns back at 1.5 scores too.
void stepWithPlantedFault() {
    static Flag wasExtending = 0;
    sourcesBeforeStep();
    if (wasExtending && !rightPunchExtending && opponentDistance == 1.5f)
        ++fightPoints;
    wasExtending = rightPunchExtending;
}

} // namespace

// A game played through its inputs is recorded, and the recording checks against the game;
// with a fault planted in the rules, the check fails.
TEST_F(ScreenFlow, ARecordingChecksAndAFaultInTheRulesFailsIt) {
    const SavedState start = saveGameState();
    const std::string path = testing::TempDir() + "flow.replay";
    plugInSources();
    enterTitleScreen();
    startRecording(path);
    for (int screen = 0; screen < 4; ++screen) { // title, COMBAT, Radov Eze, Amical
        keyboardInput(enter, 0, 0);
        runSlots(25);
    }
    specialInput(GLUT_KEY_UP, 0, 0);
    specialInput(GLUT_KEY_UP, 0, 0);
    for (int punch = 0; punch < 3; ++punch) { // at 1.5: no point
        keyboardInput('x', 0, 0);
        runSlots(20);
    }
    specialInput(GLUT_KEY_UP, 0, 0);
    keyboardInput('x', 0, 0);
    runSlots(70);
    ASSERT_EQ(fightPoints, 1);
    Replay replay;
    std::string problem;
    ASSERT_TRUE(readReplayFile(path, replay, problem)) << problem;
    startRecording(path + ".again");

    restoreGameState(start);
    enterTitleScreen();
    EXPECT_EQ(checkReplay(replay, path), 0);
    EXPECT_EQ(fightPoints, 1);
    restoreGameState(start);
    enterTitleScreen();
    setStepHook(stepWithPlantedFault);
    EXPECT_EQ(checkReplay(replay, path), 1);
    setStepHook(nullptr);
    setIdlePoll(nullptr);
}

// A recording played back says so where the demo does, blinking as it does, until the game
// is the player's.
TEST_F(ScreenFlow, APlaybackIsMarkedReplayUntilItHandsOver) {
    enterTitleScreen();
    startReplay(Replay{}, "marked.replay");
    const auto white = [] {
        titleBlinkOn = 0; // the title's prompt, white too
        return textInColour(titleDisplay, 1, 1, 1);
    };
    EXPECT_EQ(white(), "REPLAY");
    const std::vector<GlyphQuad> mark = glyphQuadsInColour(titleDisplay, 1, 1, 1);
    ASSERT_FALSE(mark.empty());
    EXPECT_EQ(mark.back().right, 630.0f); // where the demo's DEMO ends
    runSlots(30);
    EXPECT_EQ(white(), "");
    runSlots(30);
    EXPECT_EQ(white(), "REPLAY");
    leaveReplay();
    EXPECT_EQ(white(), "");
}

TEST_F(ScreenFlow, TitleLeadsToTheModeMenuOnEnterOnly) {
    enterTitleScreen();
    EXPECT_EQ(screenIdle(), titleIdle);
    EXPECT_EQ(installedIdle(), titleIdle);
    expectClearColour(0.6f, 0.6f);
    titleKeyboard('a', 0, 0);
    titleKeyboard(' ', 0, 0);
    EXPECT_EQ(screenIdle(), titleIdle);
    titleKeyboard(enter, 0, 0);
    EXPECT_EQ(screenIdle(), modeMenuIdle);
    expectClearColour(0.5f, 0.0f);
    modeMenuKeyboard(escape, 0, 0);
    EXPECT_EQ(screenIdle(), titleIdle);
}

TEST_F(ScreenFlow, TitleAnimationGoesOnWhereItStoppedAfterAVisit) {
    enterTitleScreen();
    for (int step = 0; step < 30; ++step)
        titleIdle();
    const int spin = titleRingSpin;
    const float slide = titleSlide;
    titleKeyboard(enter, 0, 0);
    modeMenuKeyboard(escape, 0, 0);
    EXPECT_EQ(titleRingSpin, spin);
    EXPECT_EQ(titleSlide, slide);
}

TEST_F(ScreenFlow, ModeMenuArrowsToggleAndEnterFollowsTheChoice) {
    enterModeMenu();
    modeMenuSpecial(GLUT_KEY_LEFT, 0, 0);
    EXPECT_EQ(modeChoice, fightMode);
    modeMenuSpecial(GLUT_KEY_DOWN, 0, 0);
    EXPECT_EQ(modeChoice, trainingMode);
    EXPECT_EQ(modeCursorOffset, -1.0f);
    modeMenuKeyboard(enter, 0, 0);
    EXPECT_EQ(screenIdle(), trainingMenuIdle);
    trainingMenuKeyboard(escape, 0, 0);
    EXPECT_EQ(screenIdle(), modeMenuIdle);
    EXPECT_EQ(modeChoice, trainingMode); // kept on return
    modeMenuSpecial(GLUT_KEY_UP, 0, 0);
    modeMenuKeyboard(enter, 0, 0);
    EXPECT_EQ(screenIdle(), opponentMenuIdle);
    expectClearColour(0.5f, 0.0f);
    opponentMenuKeyboard(escape, 0, 0);
    EXPECT_EQ(screenIdle(), modeMenuIdle);
}

TEST_F(ScreenFlow, DecorMenuKeepsTheOpponentSelectedWhenEnterWasPressed) {
    enterOpponentMenu();
    opponentMenuSpecial(GLUT_KEY_RIGHT, 0, 0);
    opponentMenuKeyboard(enter, 0, 0);
    EXPECT_EQ(screenIdle(), decorMenuIdle);
    EXPECT_EQ(chosenOpponent, 2);
    expectClearColour(0.6f, 0.0f);
    decorMenuSpecial(GLUT_KEY_UP, 0, 0); // not a decor key
    EXPECT_EQ(decorChoice, 1);
    decorMenuSpecial(GLUT_KEY_LEFT, 0, 0);
    EXPECT_EQ(decorChoice, 2);
    decorMenuKeyboard(escape, 0, 0);
    EXPECT_EQ(screenIdle(), opponentMenuIdle);
    EXPECT_EQ(opponentChoice, 2);
    opponentMenuSpecial(GLUT_KEY_RIGHT, 0, 0);
    EXPECT_EQ(chosenOpponent, 2); // only Enter hands the choice on
    opponentMenuKeyboard(enter, 0, 0);
    EXPECT_EQ(chosenOpponent, 3);
    EXPECT_EQ(decorChoice, 2); // kept on return
}

TEST_F(ScreenFlow, DecorEnterSwitchesTheMenuLightOffAndStartsTheChosenFight) {
    enterDecorMenu(3);
    decorMenuSpecial(GLUT_KEY_RIGHT, 0, 0);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    decorMenuKeyboard(enter, 0, 0);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_EQ(fightOpponent, 3);
    EXPECT_EQ(fightDecor, 2);
    EXPECT_EQ(screenIdle(), fightIdle);
    expectClearColour(0.0f, 0.0f);
    fightKeyboard(escape, 0, 0);
    EXPECT_EQ(screenIdle(), opponentMenuIdle);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
}

TEST_F(ScreenFlow, TrainingMenuProjectsAtFourThirdsWhateverTheWindow) {
    windowWidth = 800;
    windowHeight = 400;
    enterModeMenu();
    EXPECT_NEAR(projectionAspect(), 2.0, 1e-5);
    enterTrainingMenu();
    EXPECT_NEAR(projectionAspect(), 4.0 / 3.0, 1e-5);
    reshapeScreen30(800, 400);
    EXPECT_NEAR(projectionAspect(), 2.0, 1e-5);
}

TEST_F(ScreenFlow, TrainingMenuTogglesAndStartsTheChosenTraining) {
    enterTrainingMenu();
    trainingMenuSpecial(GLUT_KEY_DOWN, 0, 0);
    EXPECT_EQ(trainingChoice, 1);
    trainingMenuSpecial(GLUT_KEY_RIGHT, 0, 0);
    EXPECT_EQ(trainingChoice, 2);
    trainingMenuKeyboard(enter, 0, 0);
    EXPECT_EQ(screenIdle(), trainingIdle);
    EXPECT_EQ(trainingKind, 2);
    expectClearColour(0.6f, 0.0f);
    EXPECT_NEAR(projectionAspect(), 4.0 / 3.0, 1e-5);
    trainingKeyboard(escape, 0, 0);
    EXPECT_EQ(screenIdle(), trainingMenuIdle);
    EXPECT_EQ(trainingChoice, 2);
}

TEST_F(ScreenFlow, TrainingStartsFreshAndItsPunchKeysRaiseTheFlags) {
    trainingHits = 7;
    trainingFinished = 1;
    ballAngle = 10;
    enterTrainingScreen(punchingBallTraining);
    EXPECT_EQ(trainingHits, 0);
    EXPECT_EQ(trainingFinished, 0);
    EXPECT_EQ(ballAngle, -25);
    EXPECT_EQ(ballSwingUp, 1);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    trainingKeyboard('X', 0, 0);
    EXPECT_EQ(rightPunchActive, 0);
    trainingKeyboard('x', 0, 0);
    EXPECT_EQ(rightPunchActive, 1);
    EXPECT_EQ(rightPunchExtending, 1);
    trainingKeyboard('w', 0, 0);
    EXPECT_EQ(leftPunchActive, 1);
    EXPECT_EQ(leftPunchExtending, 1);
    trainingIdle();
    EXPECT_EQ(playerRightArm.shoulderPitch, 70.0f);
    EXPECT_EQ(ballAngle, -20);
}

TEST_F(ScreenFlow, FinishedTrainingStepComputesThePercentAndStopsTheIdle) {
    enterTrainingScreen(punchingBallTraining);
    EXPECT_EQ(installedIdle(), trainingIdle);
    trainingIdle();
    trainingDisplay();
    EXPECT_EQ(installedIdle(), trainingIdle); // running: the idle stays
    trainingHits = 20;
    trainingPunches = 41;
    trainingFinished = 1;
    trainingIdle();
    EXPECT_EQ(trainingPercent, 48);
    EXPECT_EQ(installedIdle(), nullptr);
    EXPECT_EQ(textInColour(trainingDisplay, 0, 0, 1), "POURCENTAGE = 48APPUYER SUR ECHAP");
    EXPECT_EQ(textInColour(trainingDisplay, 1, 1, 0), "POINT = 20");
    // Shown again, the window gets the training's idle back; its next step moves nothing and
    // stops it again.
    onTrainingVisibility(GLUT_VISIBLE);
    EXPECT_EQ(installedIdle(), trainingIdle);
    const int angle = ballAngle;
    trainingIdle();
    EXPECT_EQ(ballAngle, angle);
    EXPECT_EQ(installedIdle(), nullptr);
}

// Twice the window, twice the text: the mode menu's heading as tall again, centred, as far from
// the top in its own height; the training's points in their corner likewise. 1920x1080 holds
// 640x480 twice over only, not three times.
TEST_F(ScreenFlow, TextGrowsByTheWholeFactorTheWindowHolds) {
    enterTrainingScreen(punchBagTraining);
    trainingHits = 7;
    const YellowBox points = yellowIn(trainingDisplay);
    enterModeMenu();
    const YellowBox heading = yellowIn(modeMenuDisplay);
    ASSERT_GT(heading.bottom - heading.top, 10);
    EXPECT_LT(points.right, 200);
    for (const auto& size : {std::array<int, 2>{1280, 960}, std::array<int, 2>{1920, 1080}}) {
        resizeWindow(size[0], size[1]);
        const YellowBox big = yellowIn(modeMenuDisplay);
        EXPECT_NEAR(big.bottom - big.top, 2 * (heading.bottom - heading.top), 2) << size[0];
        EXPECT_NEAR(big.top, 2 * heading.top, 2) << size[0];
        EXPECT_NEAR(big.left + big.right - size[0], 2 * (heading.left + heading.right - 640), 4)
            << size[0];
        enterTrainingScreen(punchBagTraining);
        trainingHits = 7;
        const YellowBox corner = yellowIn(trainingDisplay);
        EXPECT_NEAR(corner.left, 2 * points.left, 2) << size[0];
        EXPECT_NEAR(corner.right, 2 * points.right + 1, 2) << size[0];
        EXPECT_NEAR(corner.top, 2 * points.top, 2) << size[0];
        EXPECT_NEAR(corner.bottom, 2 * points.bottom + 1, 2) << size[0];
        enterModeMenu();
    }
    textScaleChoice = 1; // the setting over the window: 640x480's text in the large window
    const YellowBox asSet = yellowIn(modeMenuDisplay);
    EXPECT_EQ(asSet.bottom - asSet.top, heading.bottom - heading.top);
    textScaleChoice = 0;
    resizeWindow(startWindowWidth, startWindowHeight);
}

// Every screen in English: its words from the table, every glyph inside the 640x480 window (the
// menus' texts one by one: feedback mode over their turning arrows crashes llvmpipe).
TEST_F(ScreenFlow, EveryScreenInEnglishFitsTheWindow) {
    settingsInEffect.language = Language::en;
    std::string words;
    const auto read = [&](const std::function<void()>& draw, float r, float g, float b) {
        for (const GlyphQuad& quad : glyphQuadsInColour(draw, r, g, b)) {
            words += static_cast<char>(quad.code);
            EXPECT_TRUE(quad.left >= 0 && quad.topLeft + quad.right - quad.left <= 640 &&
                        quad.bottom >= 0 && quad.top <= 480)
                << words;
        }
        words += '|';
    };
    enterModeMenu();
    for (const MenuText& text :
         {modeHeading, combatEntry, trainingEntry, opponentHeading, opponentNames[1], decorHeading,
          decorNames[0], decorNames[1], trainingHeading, trainingNames[0], trainingNames[1]})
        read([&] { printMenuText(text); }, text.colour.red, text.colour.green, text.colour.blue);
    enterTitleScreen();
    titleBlinkOn = 1;
    read(titleDisplay, 1, 1, 0);
    read(titleDisplay, 1, 0, 0);
    enterFightScreen(1, 1);
    fightPoints = 41;
    knockOutTest();
    read(koDisplay, 1, 1, 0);
    read(koDisplay, 0, 0, 1);
    enterTrainingScreen(1);
    trainingHits = 20;
    trainingPunches = 41;
    trainingFinished = 1;
    trainingIdle();
    read(trainingDisplay, 0, 0, 1);
    read(trainingDisplay, 0, 1, 0);
    read(trainingDisplay, 1, 1, 0);
    EXPECT_EQ(words, "CHOOSE A GAME MODE|FIGHT|TRAINING|CHOOSE AN OPPONENT|Radov Eze Black|"
                     "CHOOSE AN ARENA|Friendly|Tavelin Cup|CHOOSE A WORKOUT|Punch Bag|"
                     "Punching Ball|By Tavelin|PRESS ENTER|KO|PRESS ESCAPE|"
                     "ACCURACY = 48%PRESS ESCAPE|BOO, YOU BIG SOFTIE|POINTS = 20|");
    settingsInEffect.language = Language::fr;
}
