#include "app/window.h"
#include "models/palette.h"
#include "models/primitives.h"
#include "tests/support/gl_harness.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

class Primitives : public testing::Test {
  protected:
    void SetUp() override {
        piConstant = 3.14159274f;
        fillMaterialPalette();
        resetGlState();
    }
};

std::array<float, 4> frontMaterial(GLenum which, GLenum face = GL_FRONT) {
    std::array<float, 4> value{};
    glGetMaterialfv(face, which, value.data());
    return value;
}

void expectColour(const std::array<float, 4>& actual, const float* expected, int count = 4) {
    for (int i = 0; i < count; ++i)
        EXPECT_FLOAT_EQ(actual[i], expected[i]) << "component " << i;
}

std::array<float, 3> normalOf(float x1, float y1, float z1, float x2, float y2, float z2, float x3,
                              float y3, float z3) {
    glNormal3f(9, 9, 9);
    faceNormal(x1, y1, z1, x2, y2, z2, x3, y3, z3);
    std::array<float, 3> n{};
    glGetFloatv(GL_CURRENT_NORMAL, n.data());
    return n;
}

} // namespace

TEST_F(Primitives, EveryPaletteEntryReadsBackOnTheFrontOnly) {
    const float backAmbient[4] = {0.25f, 0.5f, 0.75f, 1.0f};
    glMaterialfv(GL_BACK, GL_AMBIENT, backAmbient);
    struct Entry {
        const MaterialSet* set;
        float shininess;
    };
    const Entry entries[] = {
        {&lightSkinMaterial, 10}, {&darkSkinMaterial, 10}, {&blueMaterial, 10},
        {&greenMaterial, 10},     {&redMaterial, 10},      {&whiteMaterial, 10},
        {&blackMaterial, 15},     {&leatherMaterial, 10},  {&darkGreyMaterial, 30},
        {&glowWhiteMaterial, 10},
    };
    for (const Entry& entry : entries) {
        applyMaterial(*entry.set);
        expectColour(frontMaterial(GL_AMBIENT), entry.set->ambient);
        expectColour(frontMaterial(GL_DIFFUSE), entry.set->diffuse);
        expectColour(frontMaterial(GL_SPECULAR), entry.set->specular);
        expectColour(frontMaterial(GL_EMISSION), entry.set->emission, 3);
        float shininess = 0;
        glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
        EXPECT_EQ(shininess, entry.shininess);
        expectColour(frontMaterial(GL_AMBIENT, GL_BACK), backAmbient);
    }
}

TEST_F(Primitives, FaceNormalIsTheUnitCrossProductOrZero) {
    const auto n = normalOf(0, 0, 0, 0, -1, 0, 1, -1, 0);
    EXPECT_FLOAT_EQ(n[0], 0);
    EXPECT_FLOAT_EQ(n[1], 0);
    EXPECT_FLOAT_EQ(n[2], 1);
    const auto scaled = normalOf(0, 0, 0, 0, 0, -3, 0, 4, -3);
    EXPECT_FLOAT_EQ(scaled[0], 1);
    const auto collinear = normalOf(0, 0, 0, 1, 1, 1, 2, 2, 2);
    EXPECT_EQ(collinear, (std::array<float, 3>{0, 0, 0}));
    const auto coincident = normalOf(1, 2, 3, 1, 2, 3, 1, 2, 3);
    EXPECT_EQ(coincident, (std::array<float, 3>{0, 0, 0}));
}

TEST_F(Primitives, BlockSpansItsBoxWithOutwardFaces) {
    const auto polygons = polygonsOf(captureInSceneUnits([] { drawBlock(0.2f, 0.1f, 0.3f); }, 1));
    ASSERT_EQ(polygons.size(), 12u); // six quads, two triangles each
    const Bounds b = boundsOf(polygons);
    EXPECT_NEAR(b.minX, 0, 1e-5);
    EXPECT_NEAR(b.maxX, 0.2, 1e-5);
    EXPECT_NEAR(b.minY, -0.1, 1e-5);
    EXPECT_NEAR(b.maxY, 0, 1e-5);
    EXPECT_NEAR(b.minZ, -0.3, 1e-5);
    EXPECT_NEAR(b.maxZ, 0, 1e-5);

    // From outside every face survives culling; from inside none does.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, 4.0 / 3.0, 0.01, 100);
    glMatrixMode(GL_MODELVIEW);
    auto seenFrom = [](float x, float y, float z) {
        glLoadIdentity();
        gluLookAt(x, y, z, 0.1, -0.05, -0.15, 0, 1, 0);
        return polygonsOf(captureFeedback([] { drawBlock(0.2f, 0.1f, 0.3f); })).size();
    };
    std::size_t seenFromOutside = 0;
    const float corners[][3] = {{1, 1, 1}, {-1, -1, -1}, {1, -1, -1}, {-1, 1, 1}};
    for (const auto& c : corners)
        seenFromOutside += seenFrom(c[0], c[1], c[2]);
    EXPECT_EQ(seenFromOutside, 24u); // three faces from each of four corners, two triangles each
    glLoadIdentity();
    gluLookAt(0.1, -0.05, -0.15, 0.1, -0.05, -1, 0, 1, 0);
    EXPECT_EQ(polygonsOf(captureFeedback([] { drawBlock(0.2f, 0.1f, 0.3f); })).size(), 0u);
    resetGlState();
}

TEST_F(Primitives, LimbRunsBetweenItsTwoPoints) {
    const auto down = captureInSceneUnits([] { drawLimb(0, 0, 0, -0.35, 0.1); }, 1);
    ASSERT_FALSE(down.empty());
    const Bounds b = boundsOf(down);
    EXPECT_NEAR(b.minY, -0.35, 1e-5);
    EXPECT_NEAR(b.maxY, 0, 1e-5);
    EXPECT_NEAR(b.maxX, 0.1, 1e-5);
    EXPECT_NEAR(b.maxZ, 0.1 * std::sqrt(3.0) / 2, 1e-4);
    EXPECT_EQ(polygonsOf(down).size(), 6u * 4u * 2u); // six slices, four stacks, two triangles

    const Bounds up = boundsOf(captureInSceneUnits([] { drawLimb(0, 0, 0, 0.07, 0.1); }, 1));
    EXPECT_NEAR(up.minY, 0, 1e-5);
    EXPECT_NEAR(up.maxY, 0.07, 1e-5);

    const Bounds flat = boundsOf(captureInSceneUnits([] { drawLimb(0.5, 0.5, 0.5, 0.5, 0.1); }, 1));
    EXPECT_NEAR(flat.minZ, flat.maxZ, 1e-5); // length 0: a flat ring in the plane z = 0
    EXPECT_NEAR(flat.maxZ, 0, 1e-5);
    EXPECT_NE(limbQuadricObject(), nullptr);
    const auto matrix = currentMatrix();
    EXPECT_EQ(matrix[0], 1.0f);
    EXPECT_EQ(matrix[12], 0.0f);
}
