#include "app/idle_pacing.h"
#include "app/screen.h"
#include "app/startup.h"
#include "app/window.h"
#include "game/controls.h"
#include "game/fight_screen.h"
#include "game/knockout.h"
#include "game/state.h"
#include "input/keys.h"
#include "menus/decor_menu.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "tests/support/gl_harness.h"
#include "tests/support/glyph_quads.h"

#include <GL/glu.h>
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void press(unsigned char key, int times = 1) {
    for (int i = 0; i < times; ++i)
        fightKeyboard(key, 0, 0);
}

void arrow(int key, int times = 1) {
    for (int i = 0; i < times; ++i)
        fightSpecial(key, 0, 0);
}

void ticks(int count) {
    for (int i = 0; i < count; ++i)
        fightIdle();
}

// The eye and the point looked at, read back from a model-view matrix built by a camera.
struct Camera {
    double eye[3];
    double forward[3];
};

Camera cameraOf(const std::array<float, 16>& m) {
    // The eye is -R^T t; the viewing direction is the third row of R, negated.
    Camera c{};
    for (int i = 0; i < 3; ++i) {
        c.eye[i] = -(m[4 * i] * m[12] + m[4 * i + 1] * m[13] + m[4 * i + 2] * m[14]);
        c.forward[i] = -m[4 * i + 2];
    }
    return c;
}

// Where the opponent shows in a frame: the pixels that differ from the same frame drawn with
// no opponent (number 0 has no model), and how many of them have a skin's warm colour.
struct Figure {
    std::vector<bool> pixels;
    int count = 0, skin = 0;
};

Figure opponentInFrame(void (*display)()) {
    display();
    const std::vector<std::uint8_t> with = readFrame();
    const int opponent = fightOpponent;
    fightOpponent = 0;
    display();
    const std::vector<std::uint8_t> without = readFrame();
    fightOpponent = opponent;
    display();
    Figure figure;
    for (std::size_t i = 0; i < with.size(); i += 3) {
        const bool shown = !std::equal(&with[i], &with[i + 3], &without[i]);
        figure.pixels.push_back(shown);
        figure.count += shown;
        figure.skin += shown && with[i] > with[i + 1] && with[i + 1] >= with[i + 2] &&
                       with[i] > with[i + 2] + 25;
    }
    return figure;
}

// From the decor menu, as the game does: its light goes off first.
void startFight(int opponent, int decor) {
    enterDecorMenu(opponent);
    decorChoice = decor;
    decorMenuKeyboard(enterKey, 0, 0);
}

int pixelsApart(const Figure& a, const Figure& b) {
    int apart = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        apart += a.pixels[i] != b.pixels[i];
    return apart;
}

class Fight : public testing::Test {
  protected:
    static void SetUpTestSuite() { initResources(); }
    void SetUp() override {
        resetGlState();
        enterFightScreen(radovEze, friendlyDecor);
    }
};

} // namespace

TEST_F(Fight, EnteringSetsTheScreenUpAndResetsAPreviousFight) {
    fightPoints = 41;
    koSpin = 200;
    opponentDistance = 1.25f;
    eyeHeight = 5;
    orbitAngle = -90;
    opponentStepActive = 1;
    enterFightScreen(didaVud, cupDecor);
    EXPECT_EQ(fightOpponent, didaVud);
    EXPECT_EQ(fightDecor, cupDecor);
    EXPECT_EQ(fightPoints, 0);
    EXPECT_EQ(koSpin, 0);
    EXPECT_EQ(opponentDistance, 2.0f);
    EXPECT_EQ(eyeHeight, 3.0f);
    EXPECT_EQ(orbitAngle, 0);
    EXPECT_EQ(opponentStepActive, 0);
    EXPECT_EQ(opponentLeftArm.shoulderPitch, -20);
    EXPECT_EQ(screenIdle(), fightIdle);
    EXPECT_EQ(installedIdle(), fightIdle);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    float cutoff = 0;
    glGetLightfv(GL_LIGHT1, GL_SPOT_CUTOFF, &cutoff);
    EXPECT_EQ(cutoff, 50);
    float aspectMatrix[16];
    glGetFloatv(GL_PROJECTION_MATRIX, aspectMatrix);
    // 60 degrees: the y scale is cot(30) = 1.732.
    EXPECT_NEAR(aspectMatrix[5], 1.7320508, 1e-5);
    EXPECT_NEAR(aspectMatrix[0], 1.7320508 * windowHeight / windowWidth, 1e-5);
}

TEST_F(Fight, LetterKeysAndTheirBounds) {
    press('l', 14);
    EXPECT_EQ(sideOffset, -3.5f);
    press('l');
    EXPECT_EQ(sideOffset, -3.5f);
    press('m', 28);
    EXPECT_EQ(sideOffset, 3.5f);
    press('m');
    EXPECT_EQ(sideOffset, 3.5f);

    press('i', 3);
    EXPECT_EQ(eyeHeight, 3.75f);
    press('k', 20);
    EXPECT_EQ(eyeHeight, -1.25f); // no limit

    press('t');
    EXPECT_EQ(opponentTurnFrozen, 1);
    press('t');
    EXPECT_EQ(opponentTurnFrozen, 0);

    press('W');
    press('X');
    press('q');
    EXPECT_EQ(leftPunchActive, 0);
    EXPECT_EQ(rightPunchActive, 0);
    press('w');
    EXPECT_EQ(leftPunchActive, 1);
    EXPECT_EQ(leftPunchExtending, 1);
    press('x');
    EXPECT_EQ(rightPunchActive, 1);
    EXPECT_EQ(rightPunchExtending, 1);
}

TEST_F(Fight, ArrowsStepAndTurnWithinTheirBounds) {
    arrow(GLUT_KEY_UP, 3);
    EXPECT_EQ(opponentDistance, 1.25f);
    EXPECT_EQ(stepBobActive, 1);
    EXPECT_EQ(opponentStepActive, 0); // stepping in does not make the opponent side-step
    ticks(12);
    ASSERT_EQ(stepBobActive, 0);
    arrow(GLUT_KEY_UP);
    EXPECT_EQ(opponentDistance, 1.25f);
    EXPECT_EQ(stepBobActive, 0);
    arrow(GLUT_KEY_DOWN, 20);
    EXPECT_EQ(opponentDistance, 3.75f);

    arrow(GLUT_KEY_RIGHT, 10);
    EXPECT_EQ(orbitAngle, -100);
    EXPECT_EQ(stepBobActive, 1);
    EXPECT_EQ(opponentStepActive, 1);
    arrow(GLUT_KEY_LEFT);
    EXPECT_EQ(orbitAngle, -90);
    arrow(GLUT_KEY_RIGHT, 27);
    EXPECT_EQ(orbitAngle, 0);
    arrow(GLUT_KEY_RIGHT, 36);
    EXPECT_EQ(orbitAngle, 0);
    arrow(GLUT_KEY_RIGHT, 35);
    EXPECT_EQ(orbitAngle, -350);
    arrow(GLUT_KEY_LEFT, 71);
    EXPECT_EQ(orbitAngle, 0);
    arrow(GLUT_KEY_PAGE_UP);
    EXPECT_EQ(orbitAngle, 0);
}

TEST_F(Fight, ATickRunsSwayPunchesBobSideStepInOrder) {
    arrow(GLUT_KEY_LEFT); // bob and side-step
    press('x');
    ticks(1);
    EXPECT_EQ(opponentLeftArm.shoulderPitch, 4); // sway
    EXPECT_EQ(playerRightArm.shoulderPitch, 70); // punch, bob paused
    EXPECT_EQ(playerLeftArm.shoulderPitch, 45);
    EXPECT_EQ(opponentRightLegSpread, 1); // side-step
    ticks(5);
    EXPECT_EQ(rightPunchActive, 0);
    EXPECT_EQ(playerLeftArm.shoulderPitch, 46); // the bob's first step, after the punch
    EXPECT_EQ(opponentRightLegSpread, 5);
}

TEST_F(Fight, OnlyTheClosestDistanceScores) {
    arrow(GLUT_KEY_UP, 2);
    ASSERT_EQ(opponentDistance, 1.5f);
    for (int i = 0; i < 20; ++i) {
        press('x');
        press('w');
        ticks(1);
    }
    EXPECT_EQ(fightPoints, 0);

    arrow(GLUT_KEY_UP);
    struct Place {
        int orbitRights;
        int sideSteps;
        int eyeUps;
        bool frozen;
    };
    const Place places[] = {
        {0, 0, 0, false}, {18, 0, 0, true}, {7, 5, 3, false}, {33, 14, 0, true}};
    int expected = 0;
    for (const Place& place : places) {
        arrow(GLUT_KEY_RIGHT, place.orbitRights);
        press('l', place.sideSteps);
        press('i', place.eyeUps);
        if (place.frozen != (opponentTurnFrozen == 1))
            press('t');
        press('x');
        ticks(6);
        ++expected;
        EXPECT_EQ(fightPoints, expected) << "orbit " << orbitAngle << " side " << sideOffset;
        press('w');
        ticks(6);
        ++expected;
        EXPECT_EQ(fightPoints, expected);
    }
}

TEST_F(Fight, FortyPointsDoNotKnockOutTheFortyFirstDoes) {
    arrow(GLUT_KEY_UP, 3);
    fightPoints = 39;
    press('x');
    ticks(3);
    EXPECT_EQ(fightPoints, 40);
    glutPostRedisplay();
    pumpEvents(3);
    EXPECT_EQ(screenIdle(), fightIdle); // still fighting
    press('x');
    ticks(2);
    EXPECT_EQ(fightPoints, 41);
    glutPostRedisplay();
    pumpEvents(3);
    EXPECT_EQ(screenIdle(), koIdle);
    EXPECT_EQ(installedIdle(), koIdle);
}

TEST_F(Fight, TwoPunchesInOneTickCanReachFortyTwo) {
    arrow(GLUT_KEY_UP, 3);
    fightPoints = 40;
    press('x');
    press('w');
    ticks(3);
    EXPECT_EQ(fightPoints, 42);
}

TEST_F(Fight, TheKnockOutSpinsAndLeavesWithEscape) {
    fightPoints = 41;
    ticks(1);
    glutPostRedisplay();
    pumpEvents(3);
    ASSERT_EQ(screenIdle(), koIdle);
    const int spin = koSpin;
    screenIdle()();
    EXPECT_EQ(koSpin, spin + 1);
    koSpin = 358;
    koIdle();
    koIdle();
    EXPECT_EQ(koSpin, 0);

    // The letters still change their variables, but nothing animates them.
    press('x');
    press('l');
    EXPECT_EQ(rightPunchActive, 1);
    EXPECT_EQ(sideOffset, -0.25f);
    screenIdle()();
    EXPECT_EQ(playerRightArm.shoulderPitch, 30);

    // Hidden and shown again, the window resumes the turn.
    onMenuVisibility(GLUT_NOT_VISIBLE);
    EXPECT_EQ(installedIdle(), nullptr);
    onMenuVisibility(GLUT_VISIBLE);
    EXPECT_EQ(installedIdle(), koIdle);

    ASSERT_TRUE(glIsEnabled(GL_LIGHT2));
    press(escapeKey);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
    EXPECT_NE(screenIdle(), koIdle);
    EXPECT_NE(screenIdle(), fightIdle);
}

TEST_F(Fight, EscapeSwitchesOffTheCupLight) {
    enterFightScreen(radovEze, cupDecor);
    ASSERT_TRUE(glIsEnabled(GL_LIGHT1));
    press(escapeKey);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    EXPECT_NE(screenIdle(), fightIdle);
}

TEST_F(Fight, TheOverheadCameraStandsAtFifteenOrThirty) {
    for (int decor : {friendlyDecor, cupDecor}) {
        glLoadIdentity();
        applyKoCamera(decor);
        const Camera c = cameraOf(currentMatrix());
        EXPECT_NEAR(c.eye[0], 0, 1e-5);
        EXPECT_NEAR(c.eye[1], decor == cupDecor ? 30 : 15, 1e-4);
        EXPECT_NEAR(c.eye[2], 1, 1e-5);
        EXPECT_LT(c.forward[1], -0.99); // looking down
    }
    glLoadIdentity();
}

TEST_F(Fight, TheCameraOrbitsTheRingCentreAndTheGlovesFollowTheEye) {
    glLoadIdentity();
    applyFightCamera();
    Camera c = cameraOf(currentMatrix());
    EXPECT_NEAR(c.eye[0], 0, 1e-5);
    EXPECT_NEAR(c.eye[1], 3, 1e-5);
    EXPECT_NEAR(c.eye[2], 2, 1e-5);
    EXPECT_NEAR(c.forward[2], -1, 1e-5);

    for (float side : {leftShoulderSide, rightShoulderSide}) {
        glLoadIdentity();
        applyGloveFrame(side, fightEye());
        const auto m = currentMatrix();
        EXPECT_NEAR(m[12], side, 1e-5);
        EXPECT_NEAR(m[13], 2.61, 1e-5);
        EXPECT_NEAR(m[14], 1.8, 1e-5);
    }

    arrow(GLUT_KEY_LEFT, 9);
    ASSERT_EQ(orbitAngle, 90);
    glLoadIdentity();
    applyFightCamera();
    c = cameraOf(currentMatrix());
    EXPECT_NEAR(c.eye[0], -2, 1e-5);
    EXPECT_NEAR(c.eye[1], 3, 1e-5);
    EXPECT_NEAR(c.eye[2], 0, 1e-5);
    EXPECT_NEAR(c.forward[0], 1, 1e-5);
    // The gloves turn with the eye: facing +X, the left one stands 0.3 towards -Z.
    glLoadIdentity();
    applyGloveFrame(leftShoulderSide, fightEye());
    const auto m = currentMatrix();
    EXPECT_NEAR(m[12], -1.8, 1e-5);
    EXPECT_NEAR(m[13], 2.61, 1e-5);
    EXPECT_NEAR(m[14], -0.3, 1e-5);

    // The side offset moves the eye but does not turn the gloves; the eye height lifts them.
    press('m', 4);
    press('i', 2);
    const EyePosition eye = fightEye();
    EXPECT_NEAR(eye.x, -2, 1e-6);
    EXPECT_NEAR(eye.z, 1, 1e-6);
    glLoadIdentity();
    applyGloveFrame(leftShoulderSide, eye);
    const auto lifted = currentMatrix();
    EXPECT_NEAR(lifted[13], 3.11, 1e-5);
    EXPECT_NEAR(lifted[0], m[0], 1e-6);
    EXPECT_NEAR(lifted[8], m[8], 1e-6);
    glLoadIdentity();
}

TEST_F(Fight, FramesOfEachOpponentInBothDecors) {
    const char* names[] = {"", "radov_eze", "radov_eze_black", "dida_vud"};
    for (int decor : {friendlyDecor, cupDecor})
        for (int opponent : {radovEze, radovEzeBlack, didaVud}) {
            startFight(opponent, decor);
            arrow(GLUT_KEY_UP);
            press('x');
            ticks(2);
            const std::string name =
                std::string("fight_") + names[opponent] + (decor == cupDecor ? "_cup" : "_club");
            // The opponent stands between the gloves, its skin lit.
            const Figure figure = opponentInFrame(fightDisplay);
            saveFrame(name);
            EXPECT_GT(figure.count, 15000) << name;
            EXPECT_GT(figure.skin, figure.count / 3) << name;
            fightPoints = 7 + opponent;
            EXPECT_EQ(textInColour(fightDisplay, 1, 1, 0),
                      "POINT = " + std::to_string(fightPoints));
            press(escapeKey);
        }
    startFight(radovEze, friendlyDecor);
    fightPoints = 41;
    ticks(1);
    const Figure fallen = opponentInFrame(koDisplay);
    saveFrame("knock_out_club");
    EXPECT_GT(fallen.count, 600);
    EXPECT_GT(fallen.skin, fallen.count / 4);
}

TEST_F(Fight, TheOpponentTurnsToFaceTheEyeUntilTStopsIt) {
    startFight(radovEze, friendlyDecor);
    const Figure facing = opponentInFrame(fightDisplay);
    arrow(GLUT_KEY_LEFT, 9); // a quarter of the way round the ring
    const Figure turned = opponentInFrame(fightDisplay);
    press('t');
    const Figure stopped = opponentInFrame(fightDisplay);
    EXPECT_LT(pixelsApart(facing, turned), facing.count / 20);
    EXPECT_GT(pixelsApart(facing, stopped), facing.count / 10);
}
