#include "models/cup.h"

#include "models/palette.h"
#include "models/primitives.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <iterator>

namespace {

constexpr int roundSlices = 24;
constexpr int roundStacks = 2;

// Two blocks, the lower one wider, centred on the Y axis.
struct Step {
    float side, height, bottom;
};
constexpr Step baseSteps[] = {{0.7f, 0.12f, 0.0f}, {0.5f, 0.1f, 0.12f}};

constexpr double stemBottom = 0.22, stemTop = 0.62;
constexpr double stemBottomRadius = 0.07, stemTopRadius = 0.05;
constexpr double knotHeight = 0.42, knotRadius = 0.09;

// The bowl's outer wall, bottom to rim: a rounded foot, then a wall opening slightly.
struct Ring {
    double height, radius;
};
constexpr Ring bowlWall[] = {{0.62, 0.05}, {0.72, 0.22}, {0.92, 0.34}, {1.47, 0.42}};
constexpr int bowlRings = static_cast<int>(std::size(bowlWall));
constexpr double wallThickness = 0.02;
constexpr double rimTube = 0.03;

// A handle in the XY plane, from under the rim out and down back into the bowl's shoulder.
struct HandlePoint {
    double x, y;
};
constexpr HandlePoint handlePoints[] = {{0.39, 1.32}, {0.62, 1.34}, {0.66, 1.12}, {0.35, 0.97}};
constexpr int handlePointCount = static_cast<int>(std::size(handlePoints));
constexpr double handleRadius = 0.03;
constexpr int jointSlices = 8;

GLUquadric* cupQuadric = nullptr;

GLUquadric* quadric(GLenum orientation) {
    if (!cupQuadric)
        cupQuadric = gluNewQuadric();
    gluQuadricDrawStyle(cupQuadric, GLU_FILL);
    gluQuadricNormals(cupQuadric, GLU_SMOOTH);
    gluQuadricOrientation(cupQuadric, orientation);
    return cupQuadric;
}

// A cone about the Y axis between two heights: GLU's cylinders run along Z.
void drawUpright(double bottom, double bottomRadius, double top, double topRadius,
                 GLenum orientation) {
    glPushMatrix();
    {
        glTranslatef(0.0f, static_cast<float>(bottom), 0.0f);
        glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
        gluCylinder(quadric(orientation), bottomRadius, topRadius, top - bottom, roundSlices,
                    roundStacks);
    }
    glPopMatrix();
}

void drawBase() {
    for (const Step& step : baseSteps) {
        glPushMatrix();
        {
            glTranslatef(-step.side / 2, step.bottom + step.height, step.side / 2);
            drawBlock(step.side, step.height, step.side);
        }
        glPopMatrix();
    }
}

void drawStem() {
    drawUpright(stemBottom, stemBottomRadius, stemTop, stemTopRadius, GLU_OUTSIDE);
    glPushMatrix();
    {
        glTranslatef(0.0f, static_cast<float>(knotHeight), 0.0f);
        glutSolidSphere(knotRadius, roundSlices / 2, roundSlices / 4);
    }
    glPopMatrix();
}

// Outside and inside, so that the back-face culling leaves the inside showing from above; the
// inside's floor faces up.
void drawBowl() {
    for (int i = 0; i + 1 < bowlRings; ++i)
        drawUpright(bowlWall[i].height, bowlWall[i].radius, bowlWall[i + 1].height,
                    bowlWall[i + 1].radius, GLU_OUTSIDE);
    const Ring& shoulder = bowlWall[bowlRings - 2];
    const Ring& rim = bowlWall[bowlRings - 1];
    const double floor = shoulder.height + wallThickness;
    drawUpright(floor, shoulder.radius - wallThickness, rim.height, rim.radius - wallThickness,
                GLU_INSIDE);
    glPushMatrix();
    {
        glTranslatef(0.0f, static_cast<float>(floor), 0.0f);
        glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
        gluDisk(quadric(GLU_OUTSIDE), 0.0, shoulder.radius - wallThickness, roundSlices, 1);
    }
    glPopMatrix();
}

// The rolled rim: a torus lying flat, its top the cup's top.
void drawRim() {
    const Ring& rim = bowlWall[bowlRings - 1];
    glPushMatrix();
    {
        glTranslatef(0.0f, static_cast<float>(rim.height), 0.0f);
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        glutSolidTorus(rimTube, rim.radius - wallThickness / 2, jointSlices, roundSlices);
    }
    glPopMatrix();
}

// Limbs joined by balls at the bends, so that no gap opens at the corners, and one closing the
// lower end against the bowl.
void drawHandle() {
    for (int i = 0; i + 1 < handlePointCount; ++i) {
        const HandlePoint& from = handlePoints[i];
        const HandlePoint& to = handlePoints[i + 1];
        drawLimb(from.x, from.y, to.x, to.y, handleRadius);
        glPushMatrix();
        {
            glTranslatef(static_cast<float>(to.x), static_cast<float>(to.y), 0.0f);
            glutSolidSphere(handleRadius, jointSlices, jointSlices);
        }
        glPopMatrix();
    }
}

// The second handle turned half round rather than mirrored: a mirror would turn its faces
// inside out for the culling.
void drawHandles() {
    drawHandle();
    glPushMatrix();
    {
        glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
        drawHandle();
    }
    glPopMatrix();
}

} // namespace

void drawCup() {
    applyMaterial(goldMaterial);
    drawBase();
    drawStem();
    drawBowl();
    drawRim();
    drawHandles();
}
