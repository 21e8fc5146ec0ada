#include "models/radov_eze.h"

#include "models/jointed_arm.h"
#include "models/primitives.h"
#include "models/stretched_sphere.h"

#include <GL/glut.h>

namespace {

struct Point {
    float x, y, z;
};

// A drawBlock with its top-front-left corner at `corner`.
struct HeadBlock {
    Point corner;
    float width, height, depth;
};

constexpr HeadBlock hairAndEyebrows[] = {
    {{-0.075f, 0.08f, 0.126f}, 0.065f, 0.01f, 0.05f}, // right eyebrow
    {{0.005f, 0.08f, 0.126f}, 0.065f, 0.01f, 0.05f},  // left eyebrow
    {{-0.117f, 0.19f, 0.1f}, 0.234f, 0.06f, 0.19f},   // hair on top
    {{-0.08f, 0.19f, -0.09f}, 0.16f, 0.26f, 0.03f},   // hair at the back
    {{-0.12f, 0.15f, 0.05f}, 0.06f, 0.13f, 0.16f},    // right sideburn
    {{0.06f, 0.15f, 0.05f}, 0.06f, 0.13f, 0.16f},     // left sideburn
};

constexpr float skullRadius = 0.12f;
constexpr float skullStretch = 1.6f;
constexpr Point earCentres[] = {{-0.11f, 0, 0}, {0.11f, 0, 0}};
constexpr double earRadius = 0.035;
constexpr Point eyeCentres[] = {{-0.05f, 0.025f, 0.095f}, {0.05f, 0.025f, 0.095f}};
constexpr double eyeRadius = 0.03;
constexpr Point noseTop{0.0f, 0.025f, 0.13f};
// The two front faces of the nose, each wound counter-clockwise seen from outside.
constexpr Point noseFaces[2][3] = {
    {{0, 0, -0.01f}, {0, -0.05f, 0.01f}, {0.03f, -0.05f, -0.02f}},  // +X side
    {{0, 0, -0.01f}, {-0.03f, -0.05f, -0.02f}, {0, -0.05f, 0.01f}}, // -X side
};

constexpr double neckLength = 0.07;
constexpr double neckRadius = 0.06;
constexpr float torsoDrop = 0.35f;
constexpr double torsoRadius = 0.3;
constexpr float torsoScale[3] = {1.0f, 1.2f, 0.8f};
constexpr Point rightShoulder{-0.3f, -0.1f, 0};
constexpr Point leftShoulder{0.3f, -0.1f, 0};
constexpr Point rightHip{-0.15f, -0.72f, 0};
constexpr Point leftHip{0.15f, -0.72f, 0};
constexpr float waistbandDrop = 0.75f;
constexpr double waistbandHeight = 0.2;
constexpr double waistbandRadius = 0.28;
constexpr float waistbandFlattening = 0.8f;

// The leg from the hip down: shorts leg, thigh, knee, calf, boot shaft, sole.
constexpr double shortsLegLength = 0.35;
constexpr double shortsLegRadius = 0.14;
constexpr float hipToThigh = 0.22f;
constexpr double thighRadius = 0.12;
constexpr float thighToKnee = 0.24f;
constexpr double kneeRadius = 0.08;
constexpr float kneeToCalf = 0.21f;
constexpr double calfRadius = 0.1;
constexpr float legStretch = 2.0f;
constexpr float calfToAnkle = 0.285f;
constexpr double bootShaftLength = 0.15;
constexpr double bootShaftRadius = 0.075;
constexpr Point soleCorner{-0.1f, 0, 0.22f};
constexpr float soleSize[3] = {0.2f, 0.1f, 0.3f};

constexpr ArmAxes rightArmAxes{{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, 0.115f};
constexpr ArmAxes leftArmAxes{{0, 0, 1}, {-1, 0, 0}, {0, -1, 0}, {-1, 0, 0}, {0, 1, 0}, -0.115f};

constexpr float rightLegSpreadAxis[3] = {0, 0, -1};
constexpr float leftLegSpreadAxis[3] = {0, 0, 1};

void moveTo(const Point& p) {
    glTranslatef(p.x, p.y, p.z);
}

void sphereAt(const Point& centre, double radius, int slices, int stacks) {
    glPushMatrix();
    {
        moveTo(centre);
        glutSolidSphere(radius, slices, stacks);
    }
    glPopMatrix();
}

void drawNose() {
    glPushMatrix();
    {
        moveTo(noseTop);
        for (const auto& face : noseFaces) {
            glBegin(GL_POLYGON);
            faceNormal(face[0].x, face[0].y, face[0].z, face[1].x, face[1].y, face[1].z, face[2].x,
                       face[2].y, face[2].z);
            for (const Point& p : face)
                glVertex3f(p.x, p.y, p.z);
            glEnd();
        }
    }
    glPopMatrix();
}

void drawTorso() {
    glPushMatrix();
    {
        glTranslatef(0.0f, -torsoDrop, 0.0f);
        glScalef(torsoScale[0], torsoScale[1], torsoScale[2]);
        glutSolidSphere(torsoRadius, 15, 15);
    }
    glPopMatrix();
}

void drawWaistband() {
    glPushMatrix();
    {
        glTranslatef(0.0f, -waistbandDrop, 0.0f);
        glScalef(1.0f, 1.0f, waistbandFlattening);
        drawLimb(0, 0, 0, waistbandHeight, waistbandRadius);
    }
    glPopMatrix();
}

void drawSpreadLeg(float spread, const float (&axis)[3], const MaterialSet& skin,
                   const MaterialSet& gear) {
    glPushMatrix();
    {
        glRotatef(spread, axis[0], axis[1], axis[2]);
        drawOpponentLeg(skin, gear);
    }
    glPopMatrix();
}

} // namespace

FighterPose currentOpponentPose() {
    return {opponentRightArm, opponentLeftArm, opponentRightLegSpread, opponentLeftLegSpread};
}

void drawFighterHead(const MaterialSet& skin, const MaterialSet& hair) {
    applyMaterial(skin, usualShininess);
    glPushMatrix();
    { drawStretchedSphere(skullRadius, 15, 15, skullStretch); }
    glPopMatrix();
    for (const Point& ear : earCentres)
        sphereAt(ear, earRadius, 6, 6);

    applyMaterial(hair);
    for (const HeadBlock& block : hairAndEyebrows) {
        glPushMatrix();
        {
            moveTo(block.corner);
            drawBlock(block.width, block.height, block.depth);
        }
        glPopMatrix();
    }

    applyMaterial(whiteMaterial, usualShininess);
    for (const Point& eye : eyeCentres)
        sphereAt(eye, eyeRadius, 10, 6);

    applyMaterial(skin, usualShininess);
    drawNose();
}

void drawFighterNeck() {
    drawLimb(0, 0, 0, neckLength, neckRadius);
}

void drawOpponentRightArm(const ArmPose& pose, const MaterialSet& skin, const MaterialSet& gear) {
    drawJointedArm(rightArmAxes, pose, skin, gear);
}

void drawOpponentLeftArm(const ArmPose& pose, const MaterialSet& skin, const MaterialSet& gear) {
    drawJointedArm(leftArmAxes, pose, skin, gear);
}

void drawOpponentLeg(const MaterialSet& skin, const MaterialSet& gear) {
    glPushMatrix();
    {
        applyMaterial(gear, usualShininess);
        drawLimb(0, 0, 0, -shortsLegLength, shortsLegRadius);

        glTranslatef(0.0f, -hipToThigh, 0.0f);
        applyMaterial(skin, usualShininess);
        drawStretchedSphere(thighRadius, 10, 10, legStretch);

        glTranslatef(0.0f, -thighToKnee, 0.0f);
        glutSolidSphere(kneeRadius, 5, 5);

        glTranslatef(0.0f, -kneeToCalf, 0.0f);
        drawStretchedSphere(calfRadius, 8, 8, legStretch);

        applyMaterial(gear, usualShininess);
        glTranslatef(0.0f, -calfToAnkle, 0.0f);
        drawLimb(0, 0, 0, bootShaftLength, bootShaftRadius);

        moveTo(soleCorner);
        drawBlock(soleSize[0], soleSize[1], soleSize[2]);
    }
    glPopMatrix();
}

void drawOpponentRightLeg(float spread, const MaterialSet& skin, const MaterialSet& gear) {
    drawSpreadLeg(spread, rightLegSpreadAxis, skin, gear);
}

void drawOpponentLeftLeg(float spread, const MaterialSet& skin, const MaterialSet& gear) {
    drawSpreadLeg(spread, leftLegSpreadAxis, skin, gear);
}

void drawFighterBody(const FighterMaterials& materials, const FighterPose& pose) {
    const MaterialSet& skin = *materials.skin;
    const MaterialSet& gear = *materials.gear;
    glPushMatrix();
    {
        drawFighterHead(skin, *materials.hair);
        glTranslatef(0.0f, -fighterNeckDrop, 0.0f);
        drawFighterNeck();
        drawTorso();

        glPushMatrix();
        {
            moveTo(rightShoulder);
            drawOpponentRightArm(pose.rightArm, skin, gear);
        }
        glPopMatrix();
        glPushMatrix();
        {
            moveTo(leftShoulder);
            drawOpponentLeftArm(pose.leftArm, skin, gear);
        }
        glPopMatrix();

        applyMaterial(gear, usualShininess);
        drawWaistband();

        glPushMatrix();
        {
            moveTo(rightHip);
            drawOpponentRightLeg(pose.rightLegSpread, skin, gear);
        }
        glPopMatrix();
        glPushMatrix();
        {
            moveTo(leftHip);
            drawOpponentLeftLeg(pose.leftLegSpread, skin, gear);
        }
        glPopMatrix();
    }
    glPopMatrix();
}

void drawBouleMan() {
    glPushMatrix();
    {
        glTranslatef(0.0f, fighterHeadHeight, 0.0f);
        drawFighterBody({&lightSkinMaterial, &blueMaterial, &blackMaterial}, currentOpponentPose());
    }
    glPopMatrix();
}
