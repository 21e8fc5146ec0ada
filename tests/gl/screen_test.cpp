#include "app/screen.h"
#include "app/window.h"
#include "menus/menus.h"
#include "menus/view_menu.h"
#include "tests/support/gl_harness.h"
#include "tests/support/stdout_capture.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

void countingStep() {}
void noDisplay() {}
void noKeys(unsigned char, int, int) {}

void expectPerspective(double fieldOfView, double aspect) {
    const auto m = currentMatrix(GL_PROJECTION_MATRIX);
    const double f = 1.0 / std::tan(fieldOfView * M_PI / 360.0);
    const double near = 0.10000000149011612, far = 100.0;
    EXPECT_NEAR(m[5], f, 1e-5);
    EXPECT_NEAR(m[0], f / aspect, 1e-5);
    EXPECT_NEAR(m[10], -(far + near) / (far - near), 1e-6);
    EXPECT_NEAR(m[14], -2 * far * near / (far - near), 1e-7);
    EXPECT_EQ(m[11], -1.0f);
}

class Screen : public testing::Test {
  protected:
    void SetUp() override { resetGlState(); }
    void TearDown() override {
        reshapeScreen30(startWindowWidth, startWindowHeight);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
};

} // namespace

TEST_F(Screen, EnterSetsTheCommonGlState) {
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glShadeModel(GL_FLAT);
    glDepthFunc(GL_LESS);
    enterTitleScreen();
    float clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_FLOAT_EQ(clear[0], 0.6f);
    EXPECT_FLOAT_EQ(clear[3], 0.6f);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    GLint value = 0;
    glGetIntegerv(GL_SHADE_MODEL, &value);
    EXPECT_EQ(value, GL_SMOOTH);
    glGetIntegerv(GL_DEPTH_FUNC, &value);
    EXPECT_EQ(value, GL_LEQUAL);
    glGetIntegerv(GL_CULL_FACE_MODE, &value);
    EXPECT_EQ(value, GL_BACK);
    glGetIntegerv(GL_MATRIX_MODE, &value);
    EXPECT_EQ(value, GL_MODELVIEW);
    glGetIntegerv(GL_LIGHT_MODEL_LOCAL_VIEWER, &value);
    EXPECT_EQ(value, 1);
    float lightValue[4];
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, lightValue);
    EXPECT_EQ(lightValue[0], 1.0f);
    glGetLightfv(GL_LIGHT0, GL_CONSTANT_ATTENUATION, lightValue);
    EXPECT_FLOAT_EQ(lightValue[0], 0.1f);
    glGetLightfv(GL_LIGHT0, GL_LINEAR_ATTENUATION, lightValue);
    EXPECT_FLOAT_EQ(lightValue[0], 0.05f);
    glGetLightfv(GL_LIGHT0, GL_POSITION, lightValue); // (0, 6, 9, 0) under the identity
    EXPECT_FLOAT_EQ(lightValue[1], 6.0f);
    EXPECT_FLOAT_EQ(lightValue[2], 9.0f);
    EXPECT_EQ(lightValue[3], 0.0f);
    glGetFloatv(GL_LINE_WIDTH, lightValue);
    EXPECT_EQ(lightValue[0], 2.0f);
    expectPerspective(30, 640.0 / 480.0);
    EXPECT_NE(screenIdle(), nullptr);
    EXPECT_EQ(installedIdle(), screenIdle());
}

TEST_F(Screen, ProjectionForEachFieldOfView) {
    for (double fieldOfView : {30.0, 45.0, 60.0}) {
        setScreenProjection(fieldOfView, windowAspect());
        expectPerspective(fieldOfView, 640.0 / 480.0);
    }
    reshapeScreen45(800, 400);
    expectPerspective(45, 2.0);
    reshapeScreen60(300, 600);
    expectPerspective(60, 0.5);
    EXPECT_EQ(windowWidth, 300);
    EXPECT_EQ(windowHeight, 600);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 300);
    EXPECT_EQ(viewport[3], 600);
}

TEST_F(Screen, ReshapeToHeightZeroCountsAsOne) {
    reshapeScreen30(640, 0);
    EXPECT_EQ(windowHeight, 1);
    expectPerspective(30, 640.0);
    EXPECT_TRUE(std::isfinite(currentMatrix(GL_PROJECTION_MATRIX)[0]));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 1);
}

TEST_F(Screen, VisibilityInstallsAndRemovesTheIdleWithItsMessages) {
    registerScreenCallbacks({noDisplay, countingStep, noKeys, nullptr, onMenuVisibility,
                             reshapeScreen30, PadLayout::menu, "test"});
    // Byte for byte: the e with circumflex is the one ISO 8859-1 byte 0xEA.
    const std::string visible = "Fen\xEAtre graphique visible\n";
    const std::string hidden = "Fen\xEAtre graphique invisible\n";
    struct Case {
        void (*callback)(int);
        std::string onHidden, onVisible;
    } cases[] = {
        {onMenuVisibility, hidden, visible},
        {onTitleVisibility, hidden, ""},
        {onTrainingVisibility, "", ""},
    };
    for (const Case& c : cases) {
        StdoutCapture hiding;
        c.callback(GLUT_NOT_VISIBLE);
        EXPECT_EQ(installedIdle(), nullptr);
        EXPECT_EQ(hiding.text(), c.onHidden);
        StdoutCapture showing;
        c.callback(GLUT_VISIBLE);
        EXPECT_EQ(installedIdle(), countingStep);
        EXPECT_EQ(showing.text(), c.onVisible);
    }

    // The idle the window gets back is the one set last, such as the knock-out's.
    setScreenIdle(noDisplay);
    onMenuVisibility(GLUT_NOT_VISIBLE);
    onMenuVisibility(GLUT_VISIBLE);
    EXPECT_EQ(installedIdle(), noDisplay);
}

TEST_F(Screen, ViewMenuSwitchesWireframeAndLight) {
    GLint modes[2];
    onViewMenu(wireframeEntry);
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], GL_LINE);
    EXPECT_EQ(modes[1], GL_FILL); // back faces keep their mode
    onViewMenu(filledEntry);
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], GL_FILL);

    ASSERT_EQ(whiteLightOn, 1);
    glEnable(GL_LIGHT0);
    onViewMenu(toggleWhiteLightEntry);
    EXPECT_EQ(whiteLightOn, 0);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    // A screen change switches the light on again without the flag knowing: the next use
    // sets the flag and leaves the light on, only the second switches it off.
    enterTitleScreen();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    onViewMenu(toggleWhiteLightEntry);
    EXPECT_EQ(whiteLightOn, 1);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    onViewMenu(toggleWhiteLightEntry);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    onViewMenu(toggleWhiteLightEntry);

    // Unknown entries change nothing.
    for (int entry : {0, 6, -1, 1000})
        onViewMenu(entry);
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], GL_FILL);
    EXPECT_EQ(whiteLightOn, 1);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
}

TEST_F(Screen, QuitEndsTheProcessWithStatusZero) {
    // A forked child would share the parent's X connection; re-run the program instead.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(onViewMenu(quitEntry), testing::ExitedWithCode(0), "");
}
