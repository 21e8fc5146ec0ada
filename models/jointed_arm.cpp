#include "models/jointed_arm.h"

#include "models/primitives.h"
#include "models/stretched_sphere.h"

#include <GL/glut.h>

namespace {

constexpr double shoulderRadius = 0.1;
constexpr double armSegmentRadius = 0.1; // upper arm and forearm, stretched twice along Y
constexpr float armSegmentStretch = 2.0f;
constexpr float boneHalf = 0.2f; // from a joint to a segment centre, and on to the next joint
constexpr double elbowRadius = 0.06;
constexpr float forearmToWrist = 0.22f;
constexpr double cuffLength = 0.07;
constexpr double cuffRadius = 0.07;
constexpr float wristToFist = 0.11f;
constexpr double fistRadius = 0.12;
constexpr float gloveStretch = 1.25f;
constexpr float thumbRise = 0.05f;
constexpr double thumbRadius = 0.03;

void turn(float angle, const float (&axis)[3]) {
    glRotatef(angle, axis[0], axis[1], axis[2]);
}

void drawGlove(float thumbX) {
    glPushMatrix();
    {
        drawLimb(0, 0, 0, cuffLength, cuffRadius);
        glTranslatef(0.0f, -wristToFist, 0.0f);
        drawStretchedSphere(fistRadius, 10, 10, gloveStretch);
        glTranslatef(thumbX, thumbRise, 0.0f);
        drawStretchedSphere(thumbRadius, 8, 8, gloveStretch);
    }
    glPopMatrix();
}

} // namespace

void drawJointedArm(const ArmAxes& axes, const ArmPose& pose, const MaterialSet& skin,
                    const MaterialSet& glove) {
    applyMaterial(skin, usualShininess);
    glPushMatrix();
    {
        glutSolidSphere(shoulderRadius, 10, 10);
        turn(pose.shoulderRoll, axes.roll);
        turn(pose.shoulderPitch, axes.pitch);
        turn(pose.shoulderYaw, axes.yaw);

        glTranslatef(0.0f, -boneHalf, 0.0f);
        drawStretchedSphere(armSegmentRadius, 10, 10, armSegmentStretch);

        glTranslatef(0.0f, -boneHalf, 0.0f);
        glutSolidSphere(elbowRadius, 10, 10);
        turn(pose.elbowBend, axes.elbow);

        glTranslatef(0.0f, -boneHalf, 0.0f);
        drawStretchedSphere(armSegmentRadius, 10, 10, armSegmentStretch);

        glTranslatef(0.0f, -forearmToWrist, 0.0f);
        turn(pose.wristTurn, axes.wrist);

        applyMaterial(glove, usualShininess);
        drawGlove(axes.thumbX);
    }
    glPopMatrix();
}
