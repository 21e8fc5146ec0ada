#include "app/window.h"
#include "models/palette.h"
#include "models/punching_ball.h"
#include "models/spectator.h"
#include "tests/support/gl_harness.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

bool inColour(const FeedbackItem& item, const MaterialSet& m) {
    return std::all_of(item.vertices.begin(), item.vertices.end(), [&](const FeedbackVertex& v) {
        // Lit by the global ambient alone: emission + 0.2 x ambient.
        return std::fabs(v.r - (m.emission[0] + 0.2f * m.ambient[0])) < 0.01f &&
               std::fabs(v.g - (m.emission[1] + 0.2f * m.ambient[1])) < 0.01f &&
               std::fabs(v.b - (m.emission[2] + 0.2f * m.ambient[2])) < 0.01f;
    });
}

std::vector<FeedbackItem> inColour(const std::vector<FeedbackItem>& items, const MaterialSet& m) {
    std::vector<FeedbackItem> kept;
    std::copy_if(items.begin(), items.end(), std::back_inserter(kept),
                 [&](const FeedbackItem& item) { return inColour(item, m); });
    return kept;
}

class Figures : public testing::Test {
  protected:
    void SetUp() override {
        piConstant = 3.14159274f;
        fillMaterialPalette();
        resetGlState();
        glEnable(GL_LIGHTING);
        for (GLenum light = GL_LIGHT0; light <= GL_LIGHT7; ++light)
            glDisable(light);
    }
};

} // namespace

TEST_F(Figures, PunchingBallSwingsAboutItsPivot) {
    struct Swing {
        int angle;
        float centreY, centreZ;
    };
    const float rad25 = 25.0f * 3.14159265f / 180.0f;
    const Swing swings[] = {
        {0, -0.4f, -0.8f},
        {-25, -0.2f - 0.2f * std::cos(rad25), -0.8f + 0.2f * std::sin(rad25)}, // (-0.381, -0.715)
        {25, -0.2f - 0.2f * std::cos(rad25), -0.8f - 0.2f * std::sin(rad25)},
    };
    for (const Swing& swing : swings) {
        const auto polygons =
            polygonsOf(captureInSceneUnits([&] { drawPunchingBall(swing.angle); }, 2.0));
        // The ball's outline is symmetric about its centre in the plane of the swing; across
        // it, fifteen slices leave it 0.002 off.
        const Bounds ball = boundsOf(inColour(polygons, leatherMaterial));
        EXPECT_NEAR((ball.minX + ball.maxX) / 2, 0, 0.005) << swing.angle;
        EXPECT_NEAR((ball.minY + ball.maxY) / 2, swing.centreY, 1e-3) << swing.angle;
        EXPECT_NEAR((ball.minZ + ball.maxZ) / 2, swing.centreZ, 1e-3) << swing.angle;
        const Bounds platform = boundsOf(inColour(polygons, blackMaterial));
        EXPECT_NEAR(platform.minX, -0.2f, 1e-4);
        EXPECT_NEAR(platform.maxX, 0.2f, 1e-4);
        EXPECT_NEAR(platform.minY, -0.1f, 1e-4);
        EXPECT_NEAR(platform.maxY, 0, 1e-4);
        EXPECT_NEAR(platform.minZ, -1.0f, 1e-4);
        EXPECT_NEAR(platform.maxZ, -0.5f, 1e-4);
        const Bounds rod = boundsOf(inColour(polygons, whiteMaterial));
        // The rod's top end, give or take its radius of 0.01 once tilted.
        EXPECT_NEAR(rod.maxY, -0.2f + 0.1f * std::cos(swing.angle * 3.14159265f / 180), 0.005);
    }
}

TEST_F(Figures, PunchingBallKeepsTheMatrixAndLeavesTheBallsLeather) {
    glTranslatef(1, 2, 3);
    const auto before = currentMatrix();
    drawPunchingBall(-25);
    EXPECT_EQ(currentMatrix(), before);
    float diffuse[4], shininess = 0;
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_FLOAT_EQ(diffuse[0], leatherMaterial.diffuse[0]);
    EXPECT_FLOAT_EQ(diffuse[2], leatherMaterial.diffuse[2]);
    EXPECT_EQ(shininess, 90.0f);
}

TEST_F(Figures, SpectatorStandsOnTheFloorAndKeepsTheMatrix) {
    for (int kind : {0, 1, 2}) {
        const Bounds b =
            boundsOf(polygonsOf(captureInSceneUnits([kind] { drawSpectator(kind); }, 3.0)));
        EXPECT_NEAR(b.minY, -0.01f, 1e-4) << "soles, kind " << kind;
        // Arms 10 degrees out, symmetric about the figure's axis.
        EXPECT_NEAR(b.minX, -b.maxX, 1e-3) << "kind " << kind;
        glLoadIdentity();
        glRotatef(40, 0, 1, 0);
        const auto before = currentMatrix();
        drawSpectator(kind);
        EXPECT_EQ(currentMatrix(), before);
    }
}

TEST_F(Figures, SpectatorsSkullReachesTwoPointOneNineTwo) {
    // The skull's vertices (away from the ears and the nose) lie on the ellipsoid of semi-axes
    // 0.12, 0.192, 0.12 round the head centre (0, 2, 0), whose top is at y = 2.192.
    const auto polygons =
        inColour(polygonsOf(captureInSceneUnits([] { drawSpectator(0); }, 3.0)), lightSkinMaterial);
    float top = 0;
    std::size_t skull = 0;
    for (const FeedbackItem& p : polygons)
        for (const FeedbackVertex& v : p.vertices) {
            if (v.y < 1.85f || std::fabs(v.x) > 0.07f || v.z > 0.11f)
                continue;
            ++skull;
            const float ex = v.x / 0.12f, ey = (v.y - 2) / 0.192f, ez = v.z / 0.12f;
            EXPECT_NEAR(ex * ex + ey * ey + ez * ez, 1.0f, 0.01f);
            top = std::max(top, v.y);
        }
    EXPECT_GT(skull, 100u);
    EXPECT_NEAR(top, 2.192f, 0.003f) << "the tessellation falls just short of the top";
}

TEST_F(Figures, SpectatorKindsDifferOnlyInTheirColours) {
    const auto capture = [](int kind) {
        return polygonsOf(captureInSceneUnits([kind] { drawSpectator(kind); }, 3.0));
    };
    const auto light = capture(0), white = capture(1), red = capture(2);
    ASSERT_EQ(white.size(), red.size());
    ASSERT_EQ(light.size(), red.size());
    std::size_t clothes = 0, skin = 0;
    for (std::size_t i = 0; i < red.size(); ++i) {
        for (std::size_t k = 0; k < red[i].vertices.size(); ++k) {
            EXPECT_EQ(white[i].vertices[k].x, red[i].vertices[k].x);
            EXPECT_EQ(white[i].vertices[k].y, red[i].vertices[k].y);
            EXPECT_EQ(light[i].vertices[k].z, red[i].vertices[k].z);
        }
        if (inColour(white[i], whiteMaterial) && inColour(red[i], redMaterial)) {
            ++clothes;
            EXPECT_TRUE(inColour(light[i], blueMaterial));
        } else if (inColour(red[i], darkSkinMaterial)) {
            ++skin;
            EXPECT_TRUE(inColour(white[i], darkSkinMaterial));
            EXPECT_TRUE(inColour(light[i], lightSkinMaterial));
        } else {
            // Hair, eyebrows and eyes are the same on every kind.
            EXPECT_EQ(white[i].vertices[0].r, red[i].vertices[0].r);
            EXPECT_EQ(light[i].vertices[0].g, red[i].vertices[0].g);
        }
    }
    EXPECT_GT(clothes, 100u) << "gloves, waistband, shorts and boots";
    EXPECT_GT(skin, 100u);
}

TEST_F(Figures, SpectatorsHairCatchesWhiteHighlights) {
    // The top of the hair turned to face the viewer, under a light straight from the viewer:
    // the half vector lies on the normal, so the specular colour shows at full strength.
    const float towardsViewer[4] = {0, 0, 1, 0};
    const float white[4] = {1, 1, 1, 1};
    const float black[4] = {0, 0, 0, 1};
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, towardsViewer);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, black);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 0);
    const auto polygons = polygonsOf(captureInSceneUnits(
        [] {
            glRotatef(90, 1, 0, 0);
            drawSpectator(0);
        },
        3.0));
    glDisable(GL_LIGHT0);
    // In the turned frame the hair's top face (y = 2.19 on the figure) is the plane z = 2.19.
    std::size_t hairTop = 0;
    for (const FeedbackItem& p : polygons)
        if (std::all_of(p.vertices.begin(), p.vertices.end(),
                        [](const FeedbackVertex& v) { return std::fabs(v.z - 2.19f) < 1e-3f; })) {
            ++hairTop;
            for (const FeedbackVertex& v : p.vertices)
                EXPECT_GT(v.r, 0.9f) << "black hair with a white highlight";
        }
    EXPECT_EQ(hairTop, 4u) << "the hair on top and at the back";
}
