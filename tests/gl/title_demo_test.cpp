#include "app/idle_pacing.h"
#include "app/screen.h"
#include "app/startup.h"
#include "input/inputs.h"
#include "input/keys.h"
#include "menus/menus.h"
#include "menus/title_animation.h"
#include "menus/view_menu.h"
#include "replay/demo.h"
#include "replay/game_state.h"
#include "replay/plug_in.h"
#include "replay/sources.h"
#include "tests/support/gl_harness.h"
#include "tests/support/quit_guard.h"
#include "tests/support/stderr_capture.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// The title's demo as a player meets it, in the game's own window, step by step.

namespace {

constexpr int stepsASecond = 60;
constexpr int idleBeforeDemo = 30 * stepsASecond;

SavedState startState;

void runSlots(int slots) {
    for (int i = 0; i < slots; ++i)
        runSlot();
}

bool onScreen(const char* name) {
    return std::string(screenName()) == name;
}

class TitleDemo : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        initResources();
        plugInSources();
        loadDemo();
        startState = saveGameState();
        failIfQuitMidTest();
    }
    static void TearDownTestSuite() { suiteDone() = true; }
    // The game as it starts, on the title, with the player driving.
    void SetUp() override {
        if (liveSource() == Source::demo)
            endDemo();
        restoreGameState(startState);
        resetGlState();
        glEnable(GL_LIGHT0);
        enterTitleScreen();
    }
};

} // namespace

// Left alone on the title for 30 s, the title plays its demo; any press starts the 30 s over,
// and no other screen ever plays it.
TEST_F(TitleDemo, TheDemoStartsAfterThirtySecondsLeftAloneOnTheTitle) {
    runSlots(idleBeforeDemo);
    EXPECT_EQ(liveSource(), Source::player) << "the demo before 30 s";
    runSlots(1);
    EXPECT_EQ(liveSource(), Source::demo) << "no demo after 30 s";

    // A press ends it: the title as it was, the press only ending it, and 30 s again.
    keyboardInput(enterKey, 0, 0);
    EXPECT_EQ(liveSource(), Source::player);
    EXPECT_TRUE(onScreen("title")) << screenName();

    const auto presses = {
        +[] { keyboardInput('a', 0, 0); },
        +[] { specialInput(GLUT_KEY_F5, 0, 0); },
        +[] { mouseInput(GLUT_LEFT_BUTTON, GLUT_DOWN, 5, 5); },
        +[] { padInput(0); },
        +[] { padInput('a'); },
        +[] { onViewMenuPick(wireframeEntry); },
    };
    runSlots(idleBeforeDemo - 1);
    for (const auto press : presses) {
        press();
        runSlots(idleBeforeDemo - 1);
        EXPECT_EQ(liveSource(), Source::player) << "a press did not start the 30 s over";
    }
    runSlots(1);
    EXPECT_EQ(liveSource(), Source::player);
    runSlots(1);
    EXPECT_EQ(liveSource(), Source::demo);
    keyboardInput('a', 0, 0);

    // Hidden, the title waits: its 30 s count steps seen.
    runSlots(idleBeforeDemo - 10);
    visibilityInput(GLUT_NOT_VISIBLE);
    runSlots(100);
    visibilityInput(GLUT_VISIBLE);
    runSlots(10);
    EXPECT_EQ(liveSource(), Source::player);
    runSlots(1);
    EXPECT_EQ(liveSource(), Source::demo);
    keyboardInput('a', 0, 0);

    // Every other screen: never, however long, and whatever the title had waited.
    keyboardInput(enterKey, 0, 0);
    ASSERT_TRUE(onScreen("mode_menu"));
    runSlots(3 * idleBeforeDemo);
    EXPECT_EQ(liveSource(), Source::player);
    titleStepsUntouched = 10 * idleBeforeDemo;
    for (const unsigned char key : {enterKey, enterKey, enterKey}) {
        keyboardInput(key, 0, 0);
        titleStepsUntouched = 10 * idleBeforeDemo;
        runSlots(2);
        EXPECT_EQ(liveSource(), Source::player) << "the demo on " << screenName();
    }
    EXPECT_TRUE(onScreen("fight"));
}

// Played to its end, the demo gives the title back as it was, and plays again 30 s later.
TEST_F(TitleDemo, TheDemosEndGivesTheTitleBack) {
    runSlots(idleBeforeDemo);
    const std::string before = stateCheckpoint();
    runSlots(1);
    ASSERT_EQ(liveSource(), Source::demo);
    const std::string said = stderrOf([] {
        for (int slot = 0; slot < 60 * stepsASecond && liveSource() == Source::demo; ++slot)
            runSlot();
    });
    EXPECT_EQ(said, "");
    EXPECT_EQ(liveSource(), Source::player);
    EXPECT_TRUE(onScreen("title"));
    EXPECT_EQ(titleStepsUntouched, 0);
    titleStepsUntouched = idleBeforeDemo;
    EXPECT_EQ(stateCheckpoint(), before);
    titleStepsUntouched = 0;
    runSlots(idleBeforeDemo);
    EXPECT_EQ(liveSource(), Source::player);
    runSlots(1);
    EXPECT_EQ(liveSource(), Source::demo);
    keyboardInput('a', 0, 0);
}
