#include "app/window.h"
#include "models/palette.h"
#include "scene/arrows.h"
#include "scene/list_numbers.h"
#include "scene/scene_lists.h"
#include "tests/support/gl_harness.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>

namespace {

// Lit with no light but the global ambient (0.2): a surface shows emission + 0.2 x ambient,
// so every palette entry gives a colour of its own.
std::array<float, 3> ambientColour(const MaterialSet& m) {
    std::array<float, 3> c{};
    for (int i = 0; i < 3; ++i)
        c[i] = std::min(1.0f, m.emission[i] + 0.2f * m.ambient[i]);
    return c;
}

bool inColour(const FeedbackItem& item, const MaterialSet& m) {
    const auto c = ambientColour(m);
    for (const FeedbackVertex& v : item.vertices)
        if (std::fabs(v.r - c[0]) > 0.01f || std::fabs(v.g - c[1]) > 0.01f ||
            std::fabs(v.b - c[2]) > 0.01f)
            return false;
    return true;
}

std::vector<FeedbackItem> inColour(const std::vector<FeedbackItem>& items, const MaterialSet& m) {
    std::vector<FeedbackItem> kept;
    std::copy_if(items.begin(), items.end(), std::back_inserter(kept),
                 [&](const FeedbackItem& item) { return inColour(item, m); });
    return kept;
}

std::vector<FeedbackItem> listPolygons(unsigned list, double extent = 10.0) {
    return polygonsOf(captureInSceneUnits([list] { glCallList(list); }, extent));
}

class SceneLists : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        piConstant = 3.14159274f;
        fillMaterialPalette();
        resetGlState();
        glPushMatrix();
        compileSceneLists();
        glPopMatrix();
    }
    void SetUp() override {
        resetGlState();
        glEnable(GL_LIGHTING);
        for (GLenum light = GL_LIGHT0; light <= GL_LIGHT7; ++light)
            glDisable(light);
    }
};

void expectMaterial(const MaterialSet& m, float shininess, unsigned list) {
    float value[4];
    const struct {
        GLenum which;
        const float* expected;
    } colours[] = {{GL_AMBIENT, m.ambient},
                   {GL_DIFFUSE, m.diffuse},
                   {GL_SPECULAR, m.specular},
                   {GL_EMISSION, m.emission}};
    for (const auto& colour : colours) {
        glGetMaterialfv(GL_FRONT, colour.which, value);
        for (int i = 0; i < 3; ++i)
            EXPECT_FLOAT_EQ(value[i], colour.expected[i])
                << "list " << list << " property " << colour.which << " component " << i;
    }
    glGetMaterialfv(GL_FRONT, GL_SHININESS, value);
    EXPECT_EQ(value[0], shininess) << "list " << list;
}

} // namespace

TEST_F(SceneLists, SeventeenUnderTheirFixedNumbersEachDrawing) {
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glClearColor(0, 0, 0, 0);
    for (unsigned list = 1; list <= 17; ++list) {
        ASSERT_TRUE(glIsList(list)) << "list " << list;
        const double extent = list >= clubRoomList ? 50 : 5; // the rooms, the furniture
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-extent, extent, -extent, extent, -extent, extent);
        glMatrixMode(GL_MODELVIEW);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glCallList(list);
        const std::vector<std::uint8_t> frame = readFrame();
        EXPECT_TRUE(std::any_of(frame.begin(), frame.end(), [](std::uint8_t c) { return c > 0; }))
            << "list " << list;
    }
    // After them only the rings and the grandstand as filled faces show them from over the mat,
    // and the rooms' pieces.
    EXPECT_TRUE(glIsList(grandstandFilledList));
    EXPECT_FALSE(glIsList(grandstandFilledList + 1));
}

TEST_F(SceneLists, EachLeavesItsCatalogueMaterialTheMatrixAndNoTexturing) {
    struct Expected {
        unsigned list;
        const MaterialSet* material;
        float shininess;
    };
    const Expected catalogue[] = {
        {1, &blueMaterial, 10},   {2, &redMaterial, 10},        {3, &blueMaterial, 10},
        {4, &redMaterial, 10},    {5, &blueMaterial, 10},       {6, &redMaterial, 10},
        {9, &blackMaterial, 15},  {10, &leatherMaterial, 10},   {11, &blackMaterial, 15},
        {12, &blackMaterial, 15}, {13, &redMaterial, 15},       {14, &glowWhiteMaterial, 10},
        {15, &whiteMaterial, 10}, {16, &glowWhiteMaterial, 10}, {17, &whiteMaterial, 10},
    };
    for (const Expected& entry : catalogue) {
        applyMaterial(greenMaterial);
        glLoadIdentity();
        glTranslatef(1.5f, -2.0f, 3.0f);
        glRotatef(33.0f, 0.3f, 1.0f, 0.2f);
        const auto before = currentMatrix();
        GLint depthBefore = 0, depthAfter = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
        glCallList(entry.list);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
        EXPECT_EQ(currentMatrix(), before) << "list " << entry.list;
        EXPECT_EQ(depthAfter, depthBefore) << "list " << entry.list;
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "list " << entry.list;
        expectMaterial(*entry.material, entry.shininess, entry.list);
    }
}

TEST_F(SceneLists, ArrowsDrawInTheCallersMaterialAndTheRightOneIsTheLeftTurned) {
    for (const MaterialSet* material : {&redMaterial, &blueMaterial})
        for (unsigned list : {7u, 8u}) {
            applyMaterial(*material);
            const auto before = currentMatrix();
            glCallList(list);
            EXPECT_EQ(currentMatrix(), before);
            expectMaterial(*material, 10, list);
        }
    // Mesa's feedback mode loses or crashes on lists that mix triangles and polygons, so
    // the arrow's shape is read from its drawing and the two lists from the screen.
    const Bounds arrow = boundsOf(polygonsOf(captureInSceneUnits(drawLeftArrow)));
    EXPECT_NEAR(arrow.minX, -0.25f, 1e-4);
    EXPECT_NEAR(arrow.maxX, 0.5f, 1e-4);
    EXPECT_NEAR(arrow.minY, -0.45f, 1e-4);
    EXPECT_NEAR(arrow.maxY, 0.45f, 1e-4);
    EXPECT_NEAR(arrow.minZ, -0.25f, 1e-4);
    EXPECT_NEAR(arrow.maxZ, 0.25f, 1e-4);

    struct Probe {
        float x, y;
        bool onLeft, onRight;
    };
    const Probe probes[] = {
        {0.4f, 0, true, false},      // the left arrow's shaft end
        {-0.4f, 0, false, true},     // the right arrow's shaft end
        {-0.05f, 0.3f, true, false}, // beside the left arrow's head, above the shaft
        {0.05f, 0.3f, false, true},
    };
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.8, 0.8, -0.6, 0.6, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    for (unsigned list : {7u, 8u}) {
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        applyMaterial(redMaterial);
        glCallList(list);
        for (const Probe& probe : probes) {
            const auto pixel = readPixel(static_cast<int>((probe.x + 0.8f) / 1.6f * windowWidth),
                                         static_cast<int>((probe.y + 0.6f) / 1.2f * windowHeight));
            EXPECT_EQ(pixel[0] > 30, list == 7 ? probe.onLeft : probe.onRight)
                << "list " << list << " at (" << probe.x << ", " << probe.y << ")";
        }
    }
}

TEST_F(SceneLists, RingMatShowsThePictureOnceOverSixtyFourSquares) {
    for (unsigned list : {1u, 2u}) {
        std::vector<FeedbackItem> mat;
        for (const FeedbackItem& p : listPolygons(list))
            if (std::all_of(p.vertices.begin(), p.vertices.end(), [](const FeedbackVertex& v) {
                    return std::fabs(v.y - 1.002f) < 2e-4f;
                }))
                mat.push_back(p);
        ASSERT_EQ(mat.size(), 128u) << "list " << list << ": 64 squares, two triangles each";
        for (const FeedbackItem& p : mat)
            for (const FeedbackVertex& v : p.vertices) {
                EXPECT_NEAR(v.s, (v.x + 4) / 8, 1e-4) << "list " << list;
                EXPECT_NEAR(v.t, (4 - v.z) / 8, 1e-4) << "list " << list;
            }
        const Bounds b = boundsOf(mat);
        EXPECT_NEAR(b.minX, -4, 1e-4);
        EXPECT_NEAR(b.maxX, 4, 1e-4);
        EXPECT_NEAR(b.minZ, -4, 1e-4);
        EXPECT_NEAR(b.maxZ, 4, 1e-4);
        const Bounds ring = boundsOf(listPolygons(list));
        EXPECT_NEAR(ring.minY, 0, 1e-4) << "the platform stands on the hall floor";
        EXPECT_NEAR(ring.maxY, 2.6f, 1e-4) << "the caps top the posts";
    }
}

TEST_F(SceneLists, RopesRunInTheirColourOrderOnEverySide) {
    struct Side {
        const char* name;
        int axis;    // the coordinate that stays constant along the side: 0 x, 2 z
        float value; // and its value
    };
    const Side sides[] = {
        {"front", 2, 3.9f}, {"back", 2, -3.9f}, {"left", 0, -3.9f}, {"right", 0, 3.9f}};
    const float heights[] = {1.3f, 1.6f, 1.9f, 2.2f};
    for (unsigned list : {1u, 2u}) {
        const auto polygons = listPolygons(list);
        int ropes = 0;
        for (const Side& side : sides)
            for (int rope = 0; rope < 4; ++rope) {
                std::vector<FeedbackItem> pieces;
                for (const FeedbackItem& p : polygons) {
                    const bool onRope = std::all_of(
                        p.vertices.begin(), p.vertices.end(), [&](const FeedbackVertex& v) {
                            const float across = side.axis == 0 ? v.x : v.z;
                            return std::fabs(v.y - heights[rope]) < 0.021f &&
                                   std::fabs(across - side.value) < 0.021f;
                        });
                    if (onRope)
                        pieces.push_back(p);
                }
                ASSERT_FALSE(pieces.empty()) << side.name << " rope " << rope;
                ++ropes;
                const Bounds b = boundsOf(pieces);
                const float from = side.axis == 0 ? b.minZ : b.minX;
                const float to = side.axis == 0 ? b.maxZ : b.maxX;
                EXPECT_NEAR(from, -3.9f, 1e-3) << side.name;
                EXPECT_NEAR(to, 3.9f, 1e-3) << side.name;
                const MaterialSet& colour =
                    (list == 2 && rope % 2 == 1) ? redMaterial : blueMaterial;
                EXPECT_EQ(inColour(pieces, colour).size(), pieces.size())
                    << "list " << list << " " << side.name << " rope " << rope;
            }
        EXPECT_EQ(ropes, 16);
    }
}

TEST_F(SceneLists, TitleLettersReadRUKO) {
    // Each letter alone in an orthographic view of its cell, sampled where its strokes are
    // and where they are not.
    struct Probe {
        float x, y;
        bool inked;
    };
    struct Letter {
        unsigned list;
        std::vector<Probe> probes;
    };
    const Letter letters[] = {
        {titleLetterListR,
         {{0.05f, -0.5f, true},   // stem
          {0.3f, -0.05f, true},   // top of the bowl
          {0.5f, -0.3f, true},    // right of the bowl
          {0.27f, -0.27f, false}, // inside the bowl
          {0.27f, -0.5f, true},   // bottom of the bowl
          {0.5f, -0.95f, true},   // foot of the leg
          {0.5f, -0.7f, false},   // open under the bowl on the right
          {0.2f, -0.9f, false}}}, // between stem and leg
        {titleLetterListU,
         {{0.05f, -0.5f, true},
          {0.5f, -0.5f, true},
          {0.27f, -0.95f, true},
          {0.27f, -0.05f, false},
          {0.27f, -0.5f, false}}},
        {titleLetterListK,
         {{0.05f, -0.5f, true},
          {0.45f, -0.05f, true},
          {0.5f, -0.93f, true},
          {0.45f, -0.5f, false},
          {0.27f, -0.05f, false},
          {0.27f, -0.95f, false}}},
        {titleLetterListO,
         {{0.05f, -0.5f, true},
          {0.5f, -0.5f, true},
          {0.27f, -0.05f, true},
          {0.27f, -0.95f, true},
          {0.27f, -0.5f, false}}},
    };
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.1, 0.7, -1.1, 0.1, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    for (const Letter& letter : letters) {
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glCallList(letter.list);
        const Bounds cell = boundsOf(listPolygons(letter.list));
        EXPECT_GE(cell.minX, -1e-4f);
        EXPECT_LE(cell.maxX, 0.65f);
        EXPECT_NEAR(cell.minY, -1.0f, 0.01f);
        EXPECT_NEAR(cell.maxY, 0.0f, 1e-4f);
        EXPECT_NEAR(cell.minZ, -0.3f, 1e-4f);
        EXPECT_NEAR(cell.maxZ, 0.0f, 1e-4f);
        for (const Probe& probe : letter.probes) {
            const int px = static_cast<int>((probe.x + 0.1f) / 0.8f * windowWidth);
            const int py = static_cast<int>((probe.y + 1.1f) / 1.2f * windowHeight);
            const auto pixel = readPixel(px, py);
            const bool inked = pixel[0] + pixel[1] + pixel[2] > 30;
            EXPECT_EQ(inked, probe.inked)
                << "list " << letter.list << " at (" << probe.x << ", " << probe.y << ")";
        }
    }
    // The title screen's arrangement, for a person to read.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.2, 2.9, -1.7, 0.6, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (unsigned list = titleLetterListR; list <= titleLetterListO; ++list) {
        glPushMatrix();
        glTranslatef(0.7f * static_cast<float>(list - titleLetterListR), 0, 0);
        glCallList(list);
        glPopMatrix();
    }
    saveFrame("title_letters");
}

TEST_F(SceneLists, RacksHoldNoneTwoAndThreeDumbbells) {
    // A dumbbell is two black blocks: 24 triangles.
    struct Rack {
        unsigned list;
        std::size_t dumbbells;
        float lowestBar, highestBar;
    };
    const Rack racks[] = {{emptyRackList, 0, 0, 0},
                          {twoDumbbellRackList, 2, 0.515f, 1.515f},
                          {threeDumbbellRackList, 3, 0.515f, 1.515f}};
    for (const Rack& rack : racks) {
        const auto polygons = listPolygons(rack.list);
        const auto weights = inColour(polygons, blackMaterial);
        EXPECT_EQ(weights.size(), 24 * rack.dumbbells) << "list " << rack.list;
        const auto board = inColour(polygons, leatherMaterial);
        const Bounds b = boundsOf(board);
        EXPECT_NEAR(b.minX, 0, 1e-4);
        EXPECT_NEAR(b.maxX, 0.8f, 1e-4);
        EXPECT_NEAR(b.minY, 0, 1e-4);
        EXPECT_NEAR(b.maxY, 1.8f, 1e-4);
        EXPECT_NEAR(b.minZ, 0, 1e-4) << "the board's back on the wall";
        EXPECT_NEAR(b.maxZ, 0.6f, 1e-4) << "the pegs stand out to 0.6";
        if (rack.dumbbells == 0)
            continue;
        const Bounds w = boundsOf(weights);
        EXPECT_NEAR(w.minY, rack.lowestBar - 0.15f, 1e-4);
        EXPECT_NEAR(w.maxY, rack.highestBar + 0.15f, 1e-4);
        EXPECT_NEAR(w.minX, -0.2f, 1e-4) << "weights outside the board";
        EXPECT_NEAR(w.maxX, 1.0f, 1e-4);
    }
    // Every weight is 0.3 high, its top 0.15 above its dumbbell's bar: the levels of the
    // weights' faces say which peg rows are filled.
    const std::map<unsigned, std::set<int>> faceLevels = {
        {twoDumbbellRackList, {365, 665, 1365, 1665}},
        {threeDumbbellRackList, {365, 665, 865, 1165, 1365, 1665}}};
    for (const auto& [list, levels] : faceLevels) {
        std::set<int> found;
        for (const FeedbackItem& p : inColour(listPolygons(list), blackMaterial))
            for (const FeedbackVertex& v : p.vertices)
                found.insert(static_cast<int>(std::lround(v.y * 1000)));
        EXPECT_EQ(found, levels) << "list " << list;
    }
}

TEST_F(SceneLists, DumbbellBagAndDoorHaveTheirSizes) {
    const auto dumbbell = listPolygons(dumbbellList);
    const Bounds d = boundsOf(dumbbell);
    EXPECT_NEAR(d.minX, 0, 1e-4);
    EXPECT_NEAR(d.maxX, 1.2f, 1e-4);
    EXPECT_NEAR(d.minY, -0.3f, 1e-4);
    EXPECT_NEAR(d.maxY, 0, 1e-4);
    const Bounds bar = boundsOf(inColour(dumbbell, darkGreyMaterial));
    EXPECT_NEAR(bar.minX, 0.1f, 1e-4);
    EXPECT_NEAR(bar.maxX, 1.1f, 1e-4);
    EXPECT_NEAR((bar.minY + bar.maxY) / 2, -0.15f, 1e-3);

    const auto bag = listPolygons(punchBagList);
    const Bounds red = boundsOf(inColour(bag, redMaterial));
    // Fifteen slices round the sphere reach 0.9945 of its radius up and down.
    EXPECT_NEAR(red.minY, 0.5f, 0.005);
    EXPECT_NEAR(red.maxY, 1.7f, 0.005);
    EXPECT_NEAR((red.minZ + red.maxZ) / 2, 1.088f, 2e-3);
    const Bounds cord = boundsOf(inColour(bag, whiteMaterial));
    EXPECT_NEAR(cord.minY, 0.1f, 1e-4);
    EXPECT_NEAR(cord.maxY, 2.1f, 1e-4);
    EXPECT_NEAR((cord.minZ + cord.maxZ) / 2, 1.088f, 1e-3);
    const Bounds stand = boundsOf(inColour(bag, blackMaterial));
    EXPECT_NEAR(stand.minY, 0, 1e-4);
    EXPECT_NEAR(stand.maxY, 2.2f, 1e-4);
    EXPECT_NEAR(stand.minZ, 0, 1e-4);
    EXPECT_NEAR(stand.maxZ, 2, 1e-4);

    const auto door = listPolygons(doubleDoorList);
    const Bounds leaves = boundsOf(inColour(door, blueMaterial));
    EXPECT_NEAR(leaves.minX, -1, 1e-4);
    EXPECT_NEAR(leaves.maxX, 1, 1e-4);
    EXPECT_NEAR(leaves.minY, 0, 1e-4);
    EXPECT_NEAR(leaves.maxY, 2.2f, 1e-4);
    EXPECT_NEAR(leaves.minZ, -0.1f, 1e-4);
    EXPECT_NEAR(leaves.maxZ, 0, 1e-4);
    const Bounds windows = boundsOf(inColour(door, blackMaterial));
    EXPECT_NEAR(windows.minX, -0.75f, 1e-4);
    EXPECT_NEAR(windows.maxX, 0.75f, 1e-4);
    EXPECT_NEAR(windows.maxZ, 0.05f, 1e-4);
    const Bounds lamp = boundsOf(inColour(door, glowWhiteMaterial));
    EXPECT_NEAR(lamp.minY, 2.4f, 1e-4);
    EXPECT_NEAR(lamp.maxY, 2.5f, 1e-4);
}
