#include "app/screen.h"
#include "app/startup.h"
#include "app/window.h"
#include "game/fight_scene.h"
#include "game/state.h"
#include "scene/arena_textures.h"
#include "scene/list_numbers.h"
#include "scene/scene_lists.h"
#include "tests/support/gl_harness.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Camera {
    double eye[3];
    double centre[3];
    float spin; // the knock-out view's turn of the arena
};

// The fight's start view, the player circled a quarter and a half turn, and the knock-out
// views from overhead (twice as high over the cup's hall).
constexpr Camera startView{{0, 3, 2}, {0, 3, 0}, 0};
constexpr Camera quarterTurnView{{-2, 3, 0}, {0, 3, 0}, 0};
constexpr Camera halfTurnView{{0, 3, -2}, {0, 3, 0}, 0};
constexpr Camera clubKnockOutView{{0, 15, 1}, {0, 1, 0}, 0};
constexpr Camera cupKnockOutView{{0, 30, 1}, {0, 1, 0}, 0};

// The fight screen's GL state, projection and decor light, as the fight sets them up.
void setFightScene(int decor) {
    for (GLenum light = GL_LIGHT0; light <= GL_LIGHT7; ++light)
        glDisable(light);
    setScreenGlState(0, 0, 0, 0);
    setScreenProjection(60, windowAspect());
    glLoadIdentity();
    setUpDecorLight(decor);
    glLineWidth(2.0f);
}

// One frame of a decor as the fight and the knock-out displays draw it.
void drawDecor(int decor, const Camera& camera) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(camera.eye[0], camera.eye[1], camera.eye[2], camera.centre[0], camera.centre[1],
              camera.centre[2], 0, 1, 0);
    placeDecorLight(decor);
    glRotatef(camera.spin, 0, 1, 0);
    drawDecorScenery(decor);
}

// The pixel showing where `point` of the scene lands on the screen.
std::array<std::uint8_t, 4> pixelAt(const double (&point)[3]) {
    double model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    double x = 0, y = 0, z = 0;
    gluProject(point[0], point[1], point[2], model, projection, viewport, &x, &y, &z);
    return readPixel(static_cast<int>(x), static_cast<int>(y));
}

// Pictures split in four coloured quarters, so the screen says which way they show.
enum Quarter { bottomLeft, bottomRight, topLeft, topRight };
constexpr std::array<std::uint8_t, 3> quarterColours[] = {
    {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};

GLuint makeQuarterTexture() {
    constexpr int side = 64;
    std::vector<std::uint8_t> pixels;
    for (int row = 0; row < side; ++row) // bottom row first
        for (int column = 0; column < side; ++column) {
            const int quarter = (row >= side / 2 ? 2 : 0) + (column >= side / 2 ? 1 : 0);
            pixels.insert(pixels.end(), quarterColours[quarter].begin(),
                          quarterColours[quarter].end());
        }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, side, side, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return texture;
}

// The quarter of the picture showing where `point` of the scene lands on the screen.
Quarter quarterSeenAt(const double (&point)[3]) {
    const auto pixel = pixelAt(point);
    const bool red = pixel[0] > 40, green = pixel[1] > 40, blue = pixel[2] > 40;
    if (red && green && blue)
        return topRight;
    if (blue)
        return topLeft;
    return green ? bottomRight : bottomLeft;
}

// The window at a new size once X has made it so, the viewport and size globals with it.
void resizeWindow(int width, int height) {
    glutReshapeWindow(width, height);
    for (int pass = 0; pass < 500 && (glutGet(GLUT_WINDOW_WIDTH) != width ||
                                      glutGet(GLUT_WINDOW_HEIGHT) != height);
         ++pass) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        pumpEvents();
    }
    ASSERT_EQ(glutGet(GLUT_WINDOW_WIDTH), width);
    ASSERT_EQ(glutGet(GLUT_WINDOW_HEIGHT), height);
    reshapeScreen60(width, height);
}

class ArenaFrames : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        resetGlState();
        initResources();
    }
    void TearDown() override {
        if (windowWidth != startWindowWidth || windowHeight != startWindowHeight)
            resizeWindow(startWindowWidth, startWindowHeight);
        resetGlState();
    }
};

} // namespace

TEST_F(ArenaFrames, PicturesShowUprightAndUnmirroredFromTheRing) {
    GLuint pictures[arenaTextureCount];
    std::copy(std::begin(arenaTextures), std::end(arenaTextures), std::begin(pictures));
    const GLuint quarters = makeQuarterTexture();
    std::fill(std::begin(arenaTextures), std::end(arenaTextures), quarters);
    compileSceneLists();

    struct Probe {
        const char* what;
        int decor;
        const Camera* camera;
        double point[3];
        Quarter expected;
    };
    const Probe probes[] = {
        {"first poster, upper left", friendlyDecor, &startView, {1.75, 2.75, -9.999}, topLeft},
        {"first poster, lower right", friendlyDecor, &startView, {2.25, 2.25, -9.999}, bottomRight},
        {"club sign, upper left", friendlyDecor, &quarterTurnView, {13.999, 4.3, -1}, topLeft},
        {"club sign, lower right", friendlyDecor, &quarterTurnView, {13.999, 3.3, 1}, bottomRight},
        {"near stand, upper left", cupDecor, &startView, {-7.5, 4.75, -16.75}, topLeft},
        {"near stand, lower right", cupDecor, &startView, {7.5, 2.25, -10.25}, bottomRight},
        {"far stand, upper left", cupDecor, &halfTurnView, {7.5, 4.75, 16.75}, topLeft},
        {"far stand, lower right", cupDecor, &halfTurnView, {-7.5, 2.25, 10.25}, bottomRight},
        {"club mat, near left", friendlyDecor, &clubKnockOutView, {-2, 1.002, 2}, bottomLeft},
        {"club mat, far right", friendlyDecor, &clubKnockOutView, {2, 1.002, -2}, topRight},
        {"cup mat, near left", cupDecor, &cupKnockOutView, {-2, 1.002, 2}, bottomLeft},
        {"cup mat, far right", cupDecor, &cupKnockOutView, {2, 1.002, -2}, topRight},
    };
    for (const Probe& probe : probes) {
        setFightScene(probe.decor);
        glDisable(GL_LIGHTING); // the pictures' own colours
        drawDecor(probe.decor, *probe.camera);
        EXPECT_EQ(quarterSeenAt(probe.point), probe.expected) << probe.what;
    }
    saveFrame("arena_quarters_far_stand");

    std::copy(std::begin(pictures), std::end(pictures), std::begin(arenaTextures));
    compileSceneLists();
    glDeleteTextures(1, &quarters);
}

TEST_F(ArenaFrames, DecorsAreSavedForALook) {
    struct Frame {
        const char* name;
        int decor;
        Camera camera;
    };
    const Frame frames[] = {
        {"club_start_view", friendlyDecor, startView},
        {"club_quarter_turn", friendlyDecor, quarterTurnView},
        {"club_half_turn", friendlyDecor, halfTurnView},
        {"club_knock_out", friendlyDecor, clubKnockOutView},
        {"club_knock_out_spun", friendlyDecor, {{0, 15, 1}, {0, 1, 0}, 120}},
        {"cup_start_view", cupDecor, startView},
        {"cup_half_turn", cupDecor, halfTurnView},
        {"cup_knock_out", cupDecor, cupKnockOutView},
    };
    for (const Frame& frame : frames) {
        setFightScene(frame.decor);
        drawDecor(frame.decor, frame.camera);
        const std::string path = saveFrame(frame.name);
        // Something of the decor fills the middle of every view.
        const auto middle = readPixel(windowWidth / 2, windowHeight / 2);
        EXPECT_GT(middle[0] + middle[1] + middle[2], 0) << path;
    }
    // From overhead: each ring with its own mat, and the cup's spot lighting the floor beside
    // its ring well above the floor further out.
    setFightScene(cupDecor);
    drawDecor(cupDecor, cupKnockOutView);
    const auto cupMat = pixelAt({-3, 1.002, -3});
    EXPECT_GT(cupMat[2], cupMat[0] + 50) << "the cup's mat, blue";
    EXPECT_GT(pixelAt({0, 0, 5})[1], pixelAt({12, 0, 0})[1] + 40) << "the floor in the spot";
    setFightScene(friendlyDecor);
    drawDecor(friendlyDecor, clubKnockOutView);
    const auto clubMat = pixelAt({-3, 1.002, -3});
    EXPECT_GT(clubMat[0], clubMat[2]) << "the club's mat, grey-beige";
}

namespace {

// A hundred eyes in a decor, as the fight and the knock-out place them: mostly over the mat
// looking anywhere, every fourth the knock-out's view turned.
std::vector<Camera> seededViews(int decor, std::uint32_t seed) {
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<double>(seed >> 8) / 16777216.0;
    };
    std::vector<Camera> views;
    for (int view = 0; view < 100; ++view) {
        Camera camera{};
        if (view % 4 == 3) {
            camera = decor == cupDecor ? cupKnockOutView : clubKnockOutView;
            camera.spin = static_cast<float>(view * 7 % 360);
        } else {
            const double at = next() * 2 * M_PI, reach = next() * 3.5, look = next() * 2 * M_PI;
            const double x = reach * std::cos(at), z = reach * std::sin(at);
            camera = {{x, 2.2 + next() * 1.6, z},
                      {x + 2 * std::cos(look), 2 + next() * 2, z + 2 * std::sin(look)},
                      0};
        }
        views.push_back(camera);
    }
    return views;
}

// The frame of a view drawn by the decor's whole ring and room lists, then the one the game
// draws, each under the fight's state and polygon mode `mode`.
struct FramePair {
    std::vector<std::uint8_t> whole, drawn;
};

FramePair drawBothWays(int decor, const Camera& camera, GLenum mode) {
    FramePair frames;
    setFightScene(decor);
    glPolygonMode(GL_FRONT, mode);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(camera.eye[0], camera.eye[1], camera.eye[2], camera.centre[0], camera.centre[1],
              camera.centre[2], 0, 1, 0);
    placeDecorLight(decor);
    glRotatef(camera.spin, 0, 1, 0);
    glCallList(decor == cupDecor ? cupRingList : friendlyRingList);
    glCallList(decor == cupDecor ? cupHallList : clubRoomList);
    frames.whole = readFrame();
    setFightScene(decor);
    glPolygonMode(GL_FRONT, mode);
    drawDecor(decor, camera);
    frames.drawn = readFrame();
    glPolygonMode(GL_FRONT, GL_FILL);
    return frames;
}

std::size_t pixelsDiffering(const FramePair& frames) {
    std::size_t differing = 0;
    for (std::size_t at = 0; at + 2 < frames.whole.size(); at += 3)
        differing += !std::equal(&frames.whole[at], &frames.whole[at + 3], &frames.drawn[at]);
    return differing;
}

} // namespace

// A frame draws only what its eye can see: pieces outside the view, the floor under the ring
// and the platform's top from over the mat, what the cup's grandstands hide. From a hundred
// eyes in each decor the frame must match the rings' and rooms' whole lists pixel for pixel.
TEST_F(ArenaFrames, WhatNoEyeCanSeeIsLeftOutWithoutChangingAPixel) {
    for (const int decor : {friendlyDecor, cupDecor}) {
        const std::vector<Camera> views = seededViews(decor, 20261208);
        for (std::size_t view = 0; view < views.size(); ++view) {
            const FramePair frames = drawBothWays(decor, views[view], GL_FILL);
            ASSERT_EQ(pixelsDiffering(frames), 0u) << "decor " << decor << ", view " << view;
        }
    }
}

// In the view menu's wireframe nothing hides anything: every line of the whole lists shows,
// in windows of every shape.
TEST_F(ArenaFrames, WireframeShowsEveryLineOfTheWholeLists) {
    struct Shape {
        int width, height;
    };
    for (const Shape shape : {Shape{640, 480}, Shape{1280, 720}, Shape{480, 640}}) {
        resizeWindow(shape.width, shape.height);
        for (const int decor : {friendlyDecor, cupDecor}) {
            const std::vector<Camera> views =
                seededViews(decor, 20261209u + static_cast<std::uint32_t>(shape.width));
            for (std::size_t view = 0; view < views.size(); view += 3) {
                const FramePair frames = drawBothWays(decor, views[view], GL_LINE);
                ASSERT_EQ(pixelsDiffering(frames), 0u) << shape.width << "x" << shape.height
                                                       << ", decor " << decor << ", view " << view;
            }
        }
    }
}
