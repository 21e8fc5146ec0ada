#include "app/window.h"
#include "game/opponent_pose.h"
#include "game/state.h"
#include "models/other_opponents.h"
#include "models/palette.h"
#include "models/radov_eze.h"
#include "tests/support/gl_harness.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Vec {
    double x, y, z;
};

Vec operator-(const Vec& a, const Vec& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec cross(const Vec& a, const Vec& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double dot(const Vec& a, const Vec& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec at(const FeedbackVertex& v) {
    return {v.x, v.y, v.z};
}

constexpr double tolerance = 2e-4;

// Triangles whose three vertices all lie on the ellipsoid of that centre and semi-axes.
int trianglesOnEllipsoid(const std::vector<FeedbackItem>& polygons, Vec centre, Vec axes) {
    int count = 0;
    for (const FeedbackItem& p : polygons) {
        bool on = true;
        for (const FeedbackVertex& v : p.vertices) {
            const Vec d = at(v) - centre;
            const double r =
                std::sqrt(d.x * d.x / (axes.x * axes.x) + d.y * d.y / (axes.y * axes.y) +
                          d.z * d.z / (axes.z * axes.z));
            on = on && std::fabs(r - 1.0) < 1e-3;
        }
        count += on;
    }
    return count;
}

// Vertices at height y lying on the circle of that radius around (x, y, z0): a limb's ring.
int ringVertices(const std::vector<FeedbackItem>& polygons, Vec centre, double radius) {
    int count = 0;
    for (const FeedbackItem& p : polygons)
        for (const FeedbackVertex& v : p.vertices) {
            const Vec d = at(v) - centre;
            count +=
                std::fabs(d.y) < tolerance && std::fabs(std::hypot(d.x, d.z) - radius) < tolerance;
        }
    return count;
}

constexpr int sphereTriangles10 = 180; // a 10 x 10 glutSolidSphere
constexpr int sphereTriangles15 = 420;

void setZeroPose() {
    opponentRightArm = opponentLeftArm = ArmPose{0, 0, 0, 0, 0};
    opponentRightLegSpread = opponentLeftLegSpread = 0;
}

std::vector<FeedbackItem> figure(void (*draw)(), bool culling = false) {
    return polygonsOf(captureInSceneUnits(draw, 5.0, culling));
}

class OpponentModels : public testing::Test {
  protected:
    void SetUp() override {
        piConstant = 3.14159274f;
        fillMaterialPalette();
        resetGlState();
        setZeroPose();
    }
};

using Draw = void (*)();
constexpr Draw allFigures[] = {drawBouleMan, drawBouleManBlack, drawKingMan};

} // namespace

TEST_F(OpponentModels, SolesSkullAndOverallHeight) {
    EXPECT_NEAR(boundsOf(figure(drawBouleMan)).minY, 0.99, tolerance);
    EXPECT_NEAR(boundsOf(figure(drawBouleManBlack)).minY, 0.99, tolerance);
    EXPECT_NEAR(boundsOf(figure(drawKingMan)).minY, 1.07, tolerance);
    for (Draw draw : allFigures) {
        const auto polygons = figure(draw);
        // The skull is the first thing drawn: the ellipsoid whose top is at 3.192.
        const std::vector<FeedbackItem> skull(polygons.begin(),
                                              polygons.begin() + sphereTriangles15);
        EXPECT_EQ(trianglesOnEllipsoid(skull, {0, 3, 0}, {0.12, 0.192, 0.12}), sphereTriangles15);
        EXPECT_LT(boundsOf(polygons).maxY, 3.192 + tolerance);
    }
}

TEST_F(OpponentModels, JointsWhereEachBodyHangsItsLimbs) {
    struct Joints {
        Draw draw;
        Vec rightShoulder, leftShoulder, rightHip, leftHip;
    };
    const Joints cases[] = {
        {drawBouleMan, {-0.3, 2.665, 0}, {0.3, 2.665, 0}, {-0.15, 2.045, 0}, {0.15, 2.045, 0}},
        {drawBouleManBlack, {-0.3, 2.665, 0}, {0.3, 2.665, 0}, {-0.15, 2.045, 0}, {0.15, 2.045, 0}},
        {drawKingMan, {-0.34, 2.765, 0}, {0.37, 2.765, 0}, {-0.14, 2.125, 0}, {0.15, 2.125, 0}},
    };
    for (const Joints& c : cases) {
        const auto polygons = figure(c.draw);
        for (Vec shoulder : {c.rightShoulder, c.leftShoulder}) {
            SCOPED_TRACE(shoulder.x);
            EXPECT_GE(trianglesOnEllipsoid(polygons, shoulder, {0.1, 0.1, 0.1}), sphereTriangles10);
            // Hanging straight: the elbow 0.4 and the fist centre 0.93 below the joint.
            EXPECT_GE(trianglesOnEllipsoid(polygons, {shoulder.x, shoulder.y - 0.4, 0},
                                           {0.06, 0.06, 0.06}),
                      sphereTriangles10);
            EXPECT_GE(trianglesOnEllipsoid(polygons, {shoulder.x, shoulder.y - 0.93, 0},
                                           {0.12, 0.15, 0.12}),
                      sphereTriangles10);
            EXPECT_GE(ringVertices(polygons, {shoulder.x, shoulder.y - 0.82, 0}, 0.07), 6);
        }
        for (Vec hip : {c.rightHip, c.leftHip}) {
            SCOPED_TRACE(hip.x);
            EXPECT_GE(ringVertices(polygons, hip, 0.14), 6);
            EXPECT_GE(ringVertices(polygons, {hip.x, hip.y - 0.955, 0}, 0.075), 6);
        }
    }
}

TEST_F(OpponentModels, PoseAnglesTurnAboutTheirOwnAxes) {
    // Right arm lifted sideways, left arm raised forward: the fists point to -X and +Z.
    opponentRightArm.shoulderRoll = 90;
    opponentLeftArm.shoulderPitch = 90;
    const auto polygons = figure(drawBouleMan);
    EXPECT_GE(trianglesOnEllipsoid(polygons, {-0.3 - 0.93, 2.665, 0}, {0.15, 0.12, 0.12}),
              sphereTriangles10);
    EXPECT_GE(trianglesOnEllipsoid(polygons, {0.3, 2.665, 0.93}, {0.12, 0.12, 0.15}),
              sphereTriangles10);

    // Spread legs: the feet swing outwards about the hips, symmetrically.
    auto feet = [] {
        std::vector<FeedbackItem> low;
        for (const FeedbackItem& p : figure(drawBouleMan))
            if (boundsOf({p}).maxY < 1.3f)
                low.push_back(p);
        return boundsOf(low);
    };
    setZeroPose();
    const Bounds straight = feet();
    EXPECT_NEAR(straight.minX, -0.25, tolerance);
    opponentRightLegSpread = opponentLeftLegSpread = 5;
    const Bounds spread = feet();
    EXPECT_NEAR(spread.minX, -spread.maxX, tolerance);
    EXPECT_LT(spread.minX, -0.25 - 0.05);
}

TEST_F(OpponentModels, DidaVudTorsoNormalsFollowTheirFirstThreeVertices) {
    // Three lights of pure red, green and blue along +X, +Y, +Z on a white diffuse material:
    // each vertex colour is then the positive part of the face's normal.
    glEnable(GL_LIGHTING);
    const float black[4] = {0, 0, 0, 1};
    const float white[4] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 0);
    const GLenum lights[3] = {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2};
    setMaterial(black, white, black, black, 10);
    auto normalColours = [&](float sign) {
        for (int i = 0; i < 3; ++i) {
            float direction[4] = {0, 0, 0, 0};
            direction[i] = sign;
            float colour[4] = {0, 0, 0, 1};
            colour[i] = 1;
            glLightfv(lights[i], GL_POSITION, direction);
            glLightfv(lights[i], GL_DIFFUSE, colour);
            glLightfv(lights[i], GL_AMBIENT, black);
            glLightfv(lights[i], GL_SPECULAR, black);
            glEnable(lights[i]);
        }
        return polygonsOf(captureInSceneUnits(drawKingManTorso, 5.0));
    };
    const auto positive = normalColours(1);
    const auto negative = normalColours(-1);
    for (GLenum light : lights)
        glDisable(light);
    glDisable(GL_LIGHTING);
    ASSERT_EQ(positive.size(), 38u); // nineteen quadrilaterals
    auto normalOfFace = [&](int face) {
        const FeedbackVertex& p = positive[2 * (face - 1)].vertices[0];
        const FeedbackVertex& n = negative[2 * (face - 1)].vertices[0];
        return Vec{p.r - n.r, p.g - n.g, p.b - n.b};
    };
    const Vec face10 = normalOfFace(10);
    EXPECT_NEAR(face10.x, -0.781, 2e-3);
    EXPECT_NEAR(face10.y, -0.625, 2e-3);
    EXPECT_NEAR(face10.z, 0, 2e-3);
    const Vec face16 = normalOfFace(16);
    EXPECT_NEAR(face16.x, 0.705, 2e-3);
    EXPECT_NEAR(face16.y, -0.071, 2e-3);
    EXPECT_NEAR(face16.z, 0.705, 2e-3);
    const Vec chestFront = normalOfFace(4);
    EXPECT_NEAR(chestFront.z, 1, 2e-3);
}

TEST_F(OpponentModels, HandListedFacesAreWoundToFaceOutwards) {
    // Each part is convex: every face turns away from the part's centre.
    struct Part {
        const char* name;
        Draw draw;
    };
    const Part parts[] = {
        {"torso", drawKingManTorso},
        {"chest wedge", drawKingManChest},
    };
    for (const Part& part : parts) {
        SCOPED_TRACE(part.name);
        auto polygons = figure(part.draw);
        if (std::string(part.name) == "chest wedge")
            polygons.resize(polygons.size() / 2); // the first wedge alone
        Vec centre{0, 0, 0};
        int vertices = 0;
        for (const FeedbackItem& p : polygons)
            for (const FeedbackVertex& v : p.vertices) {
                centre = {centre.x + v.x, centre.y + v.y, centre.z + v.z};
                ++vertices;
            }
        centre = {centre.x / vertices, centre.y / vertices, centre.z / vertices};
        for (const FeedbackItem& p : polygons) {
            const Vec a = at(p.vertices[0]), b = at(p.vertices[1]), c = at(p.vertices[2]);
            const Vec middle{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
            EXPECT_GT(dot(cross(b - a, c - b), middle - centre), 0);
        }
    }
}

TEST_F(OpponentModels, EveryFaceSeenFromOutsideSurvivesCulling) {
    // Seen level from eight sides, a figure drawn with culling looks as without it. A face
    // wound inwards would leave a hole of many pixels; only a few silhouette pixels, where a
    // back face ties in depth with the front one, may differ.
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glClearColor(0, 0, 0, 0);
    auto render = [](Draw draw, int turn, bool culling) {
        culling ? glEnable(GL_CULL_FACE) : glDisable(GL_CULL_FACE);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1.5, 1.5, -0.5, 3.5, -5, 5);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(static_cast<float>(turn), 0, 1, 0);
        draw();
        std::vector<unsigned char> pixels(static_cast<std::size_t>(windowWidth) * windowHeight * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, windowWidth, windowHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    };
    setOpponentStartPose(radovEze);
    for (Draw draw : allFigures)
        for (int turn = 0; turn < 360; turn += 45) {
            const auto culled = render(draw, turn, true);
            const auto whole = render(draw, turn, false);
            int differing = 0;
            for (std::size_t i = 0; i < culled.size(); i += 3)
                differing += culled[i] != whole[i] || culled[i + 1] != whole[i + 1] ||
                             culled[i + 2] != whole[i + 2];
            EXPECT_LE(differing, 3) << "turned " << turn;
        }
    glDisable(GL_LIGHTING);
    resetGlState();
}

TEST_F(OpponentModels, RadovEzeBlackCoversExactlyThePixelsOfRadovEze) {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glClearColor(0, 0, 0, 0);
    setOpponentStartPose(radovEze);
    auto render = [](Draw draw) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1.5, 1.5, 0.5, 3.5, -5, 5);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        draw();
        std::vector<unsigned char> pixels(static_cast<std::size_t>(windowWidth) * windowHeight * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, windowWidth, windowHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    };
    const auto light = render(drawBouleMan);
    saveFrame("radov_eze_front");
    const auto dark = render(drawBouleManBlack);
    saveFrame("radov_eze_black_front");
    render(drawKingMan);
    saveFrame("dida_vud_front");
    int covered = 0, differing = 0;
    for (std::size_t i = 0; i < light.size(); i += 3) {
        const bool inLight = light[i] || light[i + 1] || light[i + 2];
        const bool inDark = dark[i] || dark[i + 1] || dark[i + 2];
        EXPECT_EQ(inLight, inDark) << "pixel " << i / 3;
        if (inLight != inDark)
            break;
        covered += inLight;
        differing += light[i] != dark[i];
    }
    EXPECT_GT(covered, 10000);
    EXPECT_GT(differing, covered / 4); // the skin differs
    glDisable(GL_LIGHTING);
    resetGlState();
}

TEST_F(OpponentModels, EveryFigureAndPartLeavesTheMatrixAsItFoundIt) {
    glLoadIdentity();
    glTranslatef(1, 2, 3);
    glRotatef(30, 0, 1, 0);
    const auto before = currentMatrix();
    setOpponentStartPose(didaVud);
    const Draw draws[] = {
        drawBouleMan,
        drawBouleManBlack,
        drawKingMan,
        drawKingManTorso,
        drawKingManChest,
        [] { drawFighterHead(lightSkinMaterial); },
        [] { drawOpponentRightArm(opponentRightArm, lightSkinMaterial, blueMaterial); },
        [] { drawOpponentLeg(lightSkinMaterial, blueMaterial); }};
    for (Draw draw : draws) {
        draw();
        EXPECT_EQ(currentMatrix(), before);
    }
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

TEST_F(OpponentModels, FiguresLeaveTheirGearCurrent) {
    auto diffuse = [] {
        std::array<float, 4> d{};
        glGetMaterialfv(GL_FRONT, GL_DIFFUSE, d.data());
        return d;
    };
    drawBouleMan();
    EXPECT_EQ(diffuse()[2], blueMaterial.diffuse[2]);
    drawKingMan();
    EXPECT_EQ(diffuse()[1], greenMaterial.diffuse[1]);
}
