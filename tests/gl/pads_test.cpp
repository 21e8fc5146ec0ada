#include "app/screen.h"
#include "app/window.h"
#include "game/fight_screen.h"
#include "game/state.h"
#include "input/pad_layout.h"
#include "input/pads.h"
#include "input/settings.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "tests/support/virtual_sdl_pad.h"

#include <GL/freeglut.h>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

// SDL's own virtual game controller, attached in this process, played through the game's real
// loop: its presses reach the screens' handlers as the keys they stand for.

namespace {

int rumbles = 0;
Uint16 lastRumble = 0;

int SDLCALL onRumble(void*, Uint16 low, Uint16) {
    if (low) {
        ++rumbles;
        lastRumble = low;
    }
    return 0;
}

class Pads : public testing::Test {
  protected:
    static void SetUpTestSuite() { startPads(); }

    void SetUp() override {
        index = attachVirtualPad(onRumble);
        pad = SDL_JoystickOpen(index);
        ASSERT_NE(pad, nullptr) << SDL_GetError();
        // Pads count only with the focus: here, with no window manager, the pointer's.
        glutWarpPointer(startWindowWidth / 2, startWindowHeight / 2);
        settingsInEffect = defaultSettings();
        enterTitleScreen();
        run(0.05);
    }

    void TearDown() override {
        if (pad)
            unplug();
        run(0.05);
    }

    void unplug() {
        SDL_JoystickClose(pad);
        SDL_JoystickDetachVirtual(index);
        pad = nullptr;
    }

    // The game's loop for that long: the pads read before each step, 60 steps a second.
    static void run(double seconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < end) {
            pollPads();
            if (IdleStep step = installedIdle())
                step();
            glutMainLoopEvent();
            std::this_thread::sleep_for(std::chrono::microseconds(16667));
        }
    }

    void tap(SDL_GameControllerButton button) {
        SDL_JoystickSetVirtualButton(pad, button, 1);
        run(0.05);
        SDL_JoystickSetVirtualButton(pad, button, 0);
        run(0.05);
    }

    int index = -1;
    SDL_Joystick* pad = nullptr;
};

TEST_F(Pads, ButtonsAndSticksAreTheScreensKeys) {
    // Start pressed while the keys go to another window: nothing, then or once they come back.
    glutWarpPointer(startWindowWidth + 100, 100);
    tap(SDL_CONTROLLER_BUTTON_START);
    glutWarpPointer(startWindowWidth / 2, startWindowHeight / 2);
    run(0.1);
    EXPECT_EQ(screenPadLayout(), PadLayout::title);
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(screenPadLayout(), PadLayout::menu);
    modeChoice = fightMode;
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 20000); // past half way: Down
    run(0.3);
    EXPECT_EQ(modeChoice, trainingMode);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 0);
    tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(screenPadLayout(), PadLayout::title);

    // The fight: the right stick held up raises the eye once, then again and again.
    enterFightScreen(radovEze, friendlyDecor);
    const float eye = eyeHeight;
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_RIGHTY, -32768);
    run(0.3);
    EXPECT_EQ(eyeHeight, eye + 0.25f);
    run(0.6);
    EXPECT_GT(eyeHeight, eye + 0.5f);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_RIGHTY, -6000); // back inside: stops
    run(0.1);
    const float held = eyeHeight;
    run(0.3);
    EXPECT_EQ(eyeHeight, held);
}

// X is the left punch whatever key the settings give it, one without a character too; a point
// shakes the pad, and a pad pulled out while a punch is held stops punching.
TEST_F(Pads, SettingsKeysRumbleAndUnplugging) {
    settingsInEffect.keys[static_cast<int>(Action::leftPunch)] = specialKey(GLUT_KEY_F1);
    enterFightScreen(radovEze, friendlyDecor);
    opponentDistance = 1.25f;
    rumbles = 0;
    tap(SDL_CONTROLLER_BUTTON_X);
    run(0.3);
    EXPECT_EQ(fightPoints, 1);
    EXPECT_EQ(rumbles, 1);
    EXPECT_EQ(lastRumble, 0x5000);

    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    run(0.1);
    unplug();
    run(0.4);
    const int points = fightPoints;
    run(0.7);
    EXPECT_EQ(fightPoints, points);
    EXPECT_EQ(rightPunchActive, 0);
}

// A held input: the first press at once, the next after half a second, then 25 a second; a
// poll that comes late gives one press, not a burst.
TEST(PadRepeatTest, HeldKeysTiming) {
    PadRepeat repeat;
    EXPECT_FALSE(repeat.repeatDue(1.0));
    repeat.press(1.0);
    EXPECT_FALSE(repeat.repeatDue(1.49));
    EXPECT_TRUE(repeat.repeatDue(1.5));
    EXPECT_FALSE(repeat.repeatDue(1.53));
    EXPECT_TRUE(repeat.repeatDue(1.545));
    EXPECT_TRUE(repeat.repeatDue(1.8));
    EXPECT_FALSE(repeat.repeatDue(1.8));
    EXPECT_TRUE(repeat.repeatDue(1.84));
    repeat.release();
    EXPECT_FALSE(repeat.repeatDue(3.0));
}

} // namespace
