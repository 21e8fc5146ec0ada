#include "models/punching_ball.h"

#include "models/palette.h"
#include "models/primitives.h"

#include <GL/freeglut.h>

namespace {

constexpr float platformWidth = 0.4f;
constexpr float platformHeight = 0.1f;
constexpr float platformDepth = 0.5f;
constexpr float platformFrontZ = -0.5f;
constexpr float pivotBelowPlatform = 0.1f;
constexpr float pivotBehindFront = 0.3f;
constexpr double rodLength = 0.1;
constexpr double rodRadius = 0.01;
constexpr double ballRadius = 0.2;

} // namespace

void drawPunchingBall(int swingAngle) {
    glPushMatrix();
    {
        applyMaterial(blackMaterial, darkShininess);
        glTranslatef(-platformWidth / 2, 0.0f, platformFrontZ);
        drawBlock(platformWidth, platformHeight, platformDepth);

        glTranslatef(platformWidth / 2, -(platformHeight + pivotBelowPlatform), -pivotBehindFront);
        glRotatef(static_cast<float>(swingAngle), 1.0f, 0.0f, 0.0f);
        applyMaterial(whiteMaterial, usualShininess);
        drawLimb(0, 0, 0, rodLength, rodRadius);

        applyMaterial(leatherMaterial, ballShininess);
        glTranslatef(0.0f, -static_cast<float>(ballRadius), 0.0f);
        glutSolidSphere(ballRadius, 15, 15);
    }
    glPopMatrix();
}
