#include "scene/furniture.h"

#include "models/palette.h"
#include "models/primitives.h"
#include "scene/list_numbers.h"
#include "scene/scene_lists.h"

#include <GL/freeglut.h>

namespace {

struct Point {
    float x, y, z;
};

// Draws `part` with the frame moved to `at`.
template <typename Part> void placed(const Point& at, Part part) {
    glPushMatrix();
    {
        glTranslatef(at.x, at.y, at.z);
        part();
    }
    glPopMatrix();
}

constexpr float weightWidth = 0.1f;
constexpr float weightSide = 0.3f;
constexpr float barLength = 1.0f;
constexpr float barRadius = 0.03f;

constexpr float boardWidth = 0.8f;
constexpr float boardHeight = 1.8f;
constexpr float boardDepth = 0.2f;
constexpr float pegWidth = 0.1f;
constexpr float pegThickness = 0.05f;
constexpr float pegDepth = 0.4f;
constexpr Point pegs[] = {{0, 0.5f, 0.6f},    {0, 1.0f, 0.6f},    {0, 1.5f, 0.6f},
                          {0.7f, 1.5f, 0.6f}, {0.7f, 1.0f, 0.6f}, {0.7f, 0.5f, 0.6f}};
// A dumbbell resting on the lowest row, its weights outside the board; each row 0.5 higher.
constexpr Point lowestRackDumbbell = {-0.2f, 0.665f, 0.6f};
constexpr float pegRowSpacing = 0.5f;

constexpr float standPoleRadius = 0.1f;
constexpr float standPoleLength = 2.0f;
constexpr float cordRadius = 0.01f;
constexpr float bagZ = 1.088f;
constexpr float bagRadius = 0.3f;
constexpr float bagStretch = 2.0f; // the sphere stretched to a bag 1.2 high

constexpr float leafWidth = 1.0f;
constexpr float leafHeight = 2.2f;
constexpr float doorDepth = 0.1f;
constexpr float windowSide = 0.5f;
constexpr float windowDepth = 0.05f;
constexpr float seamWidth = 0.04f;

void drawLeaf(float left) {
    applyMaterial(blueMaterial, usualShininess);
    placed({left, leafHeight, 0}, [] { drawBlock(leafWidth, leafHeight, doorDepth); });
    applyMaterial(blackMaterial, darkShininess);
    placed({left + 0.25f, 1.95f, windowDepth},
           [] { drawBlock(windowSide, windowSide, windowDepth); });
}

} // namespace

void drawDumbbell() {
    glPushMatrix();
    {
        applyMaterial(blackMaterial, darkShininess);
        drawBlock(weightWidth, weightSide, weightSide);
        glTranslatef(weightWidth, -weightSide / 2, -weightSide / 2);
        applyMaterial(darkGreyMaterial, darkGreyShininess);
        drawLimb(0, 0, barLength, 0, barRadius);
        glTranslatef(barLength, weightSide / 2, weightSide / 2);
        applyMaterial(blackMaterial, darkShininess);
        drawBlock(weightWidth, weightSide, weightSide);
    }
    glPopMatrix();
}

void drawRack(std::initializer_list<int> dumbbellRows) {
    applyMaterial(leatherMaterial, usualShininess);
    placed({0, boardHeight, boardDepth}, [] { drawBlock(boardWidth, boardHeight, boardDepth); });
    for (const Point& peg : pegs)
        placed(peg, [] { drawBlock(pegWidth, pegThickness, pegDepth); });
    for (const int row : dumbbellRows) {
        const Point at = {lowestRackDumbbell.x,
                          lowestRackDumbbell.y + pegRowSpacing * static_cast<float>(row),
                          lowestRackDumbbell.z};
        placed(at, [] { glCallList(dumbbellList); });
    }
}

void drawPunchBag() {
    applyMaterial(blackMaterial, darkShininess);
    placed({-0.5f, 0.1f, 2.0f}, [] { drawPlainBlock(1.0f, 0.1f, 2.0f); });
    placed({0, 0.1f, 0.2f}, [] { drawLimb(0, 0, 0, standPoleLength, standPoleRadius); });
    placed({-0.1f, 2.2f, 1.1f}, [] { drawBlock(0.2f, 0.1f, 1.0f); });
    applyMaterial(whiteMaterial, usualShininess);
    placed({0, 0.1f, bagZ}, [] { drawLimb(0, 0, 0, standPoleLength, cordRadius); });
    applyMaterial(redMaterial, darkShininess);
    placed({0, 1.1f, bagZ}, [] {
        glScalef(1.0f, bagStretch, 1.0f);
        glutSolidSphere(bagRadius, 15, 10);
    });
}

void drawDoubleDoor() {
    drawLeaf(-leafWidth);
    drawLeaf(0.0f);
    placed({-seamWidth / 2, leafHeight, 0}, [] { drawBlock(seamWidth, leafHeight, doorDepth); });
    applyMaterial(glowWhiteMaterial, usualShininess);
    placed({-0.15f, 2.5f, 0}, [] { drawBlock(0.3f, 0.1f, 0.1f); });
}
