#include "models/other_opponents.h"

#include "models/primitives.h"
#include "models/radov_eze.h"

#include <GL/gl.h>

#include <cstddef>

namespace {

struct Point {
    float x, y, z;
};

// Every face wound counter-clockwise as seen from outside, in drawing order.
constexpr Point kingManTorsoFaces[19][4] = {
    {{-0.2f, 0, -0.1f}, {-0.2f, 0, 0.1f}, {0.2f, 0, 0.1f}, {0.2f, 0, -0.1f}},         // top, middle
    {{0.2f, 0, 0.1f}, {0.28f, 0, 0.02f}, {0.28f, 0, -0.02f}, {0.2f, 0, -0.1f}},       // top, +X
    {{-0.2f, 0, 0.1f}, {-0.2f, 0, -0.1f}, {-0.28f, 0, -0.02f}, {-0.28f, 0, 0.02f}},   // top, -X
    {{-0.2f, 0, 0.1f}, {-0.2f, -0.22f, 0.1f}, {0.2f, -0.22f, 0.1f}, {0.2f, 0, 0.1f}}, // chest
    {{-0.2f, -0.22f, 0.1f},
     {-0.2f, -0.32f, 0.09f},
     {0.2f, -0.32f, 0.09f},
     {0.2f, -0.22f, 0.1f}}, // chest-to-belly slope
    {{-0.2f, -0.32f, 0.09f},
     {-0.2f, -0.52f, 0.09f},
     {0.2f, -0.52f, 0.09f},
     {0.2f, -0.32f, 0.09f}}, // belly front
    {{-0.28f, 0, 0.02f},
     {-0.28f, -0.22f, 0.02f},
     {-0.2f, -0.22f, 0.1f},
     {-0.2f, 0, 0.1f}}, // -X front bevel
    {{-0.28f, 0, -0.09f},
     {-0.28f, -0.22f, -0.09f},
     {-0.28f, -0.22f, 0.02f},
     {-0.28f, 0, 0.02f}}, // -X shoulder side
    {{-0.28f, -0.22f, -0.09f},
     {-0.2f, -0.32f, -0.09f},
     {-0.2f, -0.32f, 0.02f},
     {-0.28f, -0.22f, 0.02f}}, // -X lower side slope
    {{-0.28f, -0.22f, 0.02f},
     {-0.2f, -0.32f, 0.02f},
     {-0.2f, -0.32f, 0.09f},
     {-0.2f, -0.22f, 0.1f}}, // -X lower front bevel
    {{-0.2f, -0.32f, -0.09f},
     {-0.2f, -0.52f, -0.09f},
     {-0.2f, -0.52f, 0.09f},
     {-0.2f, -0.32f, 0.09f}}, // -X belly side
    {{0.2f, -0.32f, 0.09f},
     {0.2f, -0.52f, 0.09f},
     {0.2f, -0.52f, -0.09f},
     {0.2f, -0.32f, -0.09f}}, // +X belly side
    {{0.2f, 0, 0.1f}, {0.2f, -0.22f, 0.1f}, {0.28f, -0.22f, 0.02f}, {0.28f, 0, 0.02f}}, // +X bevel
    {{0.28f, 0, 0.02f},
     {0.28f, -0.22f, 0.02f},
     {0.28f, -0.22f, -0.09f},
     {0.28f, 0, -0.09f}}, // +X shoulder side
    {{0.28f, -0.22f, 0.02f},
     {0.2f, -0.32f, 0.02f},
     {0.2f, -0.32f, -0.09f},
     {0.28f, -0.22f, -0.09f}}, // +X lower side slope
    {{0.28f, -0.22f, 0.02f},
     {0.2f, -0.22f, 0.1f},
     {0.2f, -0.32f, 0.09f},
     {0.2f, -0.32f, 0.02f}}, // +X lower front bevel
    {{-0.2f, 0, -0.09f}, {0.2f, 0, -0.09f}, {0.2f, -0.5f, -0.09f}, {-0.2f, -0.5f, -0.09f}}, // back
    {{0.28f, 0, -0.09f},
     {0.28f, -0.22f, -0.09f},
     {0.2f, -0.32f, -0.09f},
     {0.2f, 0, -0.09f}}, // back, +X shoulder
    {{-0.28f, 0, -0.09f},
     {-0.2f, 0, -0.09f},
     {-0.2f, -0.32f, -0.09f},
     {-0.28f, -0.22f, -0.09f}}, // back, -X shoulder
};

// One pectoral wedge: a plate leaning forward towards its bottom edge, two sides, underside.
constexpr Point chestPlateStrip[5] = {
    {0, 0, 0}, {0, -0.2f, 0.05f}, {0.09f, 0, 0}, {0.18f, -0.2f, 0.05f}, {0.18f, 0, 0}};
constexpr Point chestOuterSide[3] = {{0.18f, 0, 0}, {0.18f, -0.2f, 0.05f}, {0.18f, -0.2f, 0}};
constexpr Point chestInnerSide[3] = {{0, 0, 0}, {0, -0.2f, 0}, {0, -0.2f, 0.05f}};
constexpr Point chestUnderside[4] = {
    {0, -0.2f, 0.05f}, {0, -0.2f, 0}, {0.18f, -0.2f, 0}, {0.18f, -0.2f, 0.05f}};
constexpr float secondWedgeOffset = 0.2f;

constexpr Point kingManChestCorner{-0.19f, 0, 0.1f};
constexpr Point kingManRightShoulder{-0.34f, 0, 0};
constexpr Point kingManLeftShoulder{0.37f, 0, 0};
constexpr Point kingManShortsCorner{-0.27f, -0.5f, 0.13f};
constexpr float kingManShortsSize[3] = {0.54f, 0.2f, 0.26f};
constexpr Point kingManRightHip{-0.14f, -0.64f, 0};
constexpr Point kingManLeftHip{0.15f, -0.64f, 0};

void moveTo(const Point& p) {
    glTranslatef(p.x, p.y, p.z);
}

void normalOfFirstThree(const Point* face) {
    faceNormal(face[0].x, face[0].y, face[0].z, face[1].x, face[1].y, face[1].z, face[2].x,
               face[2].y, face[2].z);
}

template <std::size_t N> void drawFace(GLenum mode, const Point (&face)[N]) {
    glBegin(mode);
    normalOfFirstThree(face);
    for (const Point& p : face)
        glVertex3f(p.x, p.y, p.z);
    glEnd();
}

void drawChestWedge() {
    drawFace(GL_TRIANGLE_STRIP, chestPlateStrip);
    drawFace(GL_POLYGON, chestOuterSide);
    drawFace(GL_POLYGON, chestInnerSide);
    drawFace(GL_POLYGON, chestUnderside);
}

} // namespace

void drawBouleManBlack() {
    glPushMatrix();
    {
        glTranslatef(0.0f, fighterHeadHeight, 0.0f);
        drawFighterBody({&darkSkinMaterial, &blueMaterial, &blackMaterial}, currentOpponentPose());
    }
    glPopMatrix();
}

void drawKingManTorso() {
    glPushMatrix();
    {
        for (const auto& face : kingManTorsoFaces)
            drawFace(GL_POLYGON, face);
    }
    glPopMatrix();
}

void drawKingManChest() {
    glPushMatrix();
    {
        drawChestWedge();
        glTranslatef(secondWedgeOffset, 0.0f, 0.0f);
        drawChestWedge();
    }
    glPopMatrix();
}

void drawKingMan() {
    const MaterialSet& skin = lightSkinMaterial;
    const MaterialSet& gear = greenMaterial;
    glPushMatrix();
    {
        glTranslatef(0.0f, fighterHeadHeight, 0.0f);
        drawFighterHead(skin);
        glTranslatef(0.0f, -fighterNeckDrop, 0.0f);
        drawFighterNeck();
        drawKingManTorso();
        glPushMatrix();
        {
            moveTo(kingManChestCorner);
            drawKingManChest();
        }
        glPopMatrix();

        glPushMatrix();
        {
            moveTo(kingManRightShoulder);
            drawOpponentRightArm(opponentRightArm, skin, gear);
        }
        glPopMatrix();
        glPushMatrix();
        {
            moveTo(kingManLeftShoulder);
            drawOpponentLeftArm(opponentLeftArm, skin, gear);
        }
        glPopMatrix();

        applyMaterial(gear, usualShininess);
        glPushMatrix();
        {
            moveTo(kingManShortsCorner);
            drawBlock(kingManShortsSize[0], kingManShortsSize[1], kingManShortsSize[2]);
        }
        glPopMatrix();

        glPushMatrix();
        {
            moveTo(kingManRightHip);
            drawOpponentRightLeg(opponentRightLegSpread, skin, gear);
        }
        glPopMatrix();
        glPushMatrix();
        {
            moveTo(kingManLeftHip);
            drawOpponentLeftLeg(opponentLeftLegSpread, skin, gear);
        }
        glPopMatrix();
    }
    glPopMatrix();
}
