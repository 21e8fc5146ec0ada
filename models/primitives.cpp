#include "models/primitives.h"

#include "app/window.h"

#include <GL/glu.h>

#include <cmath>

namespace {

GLUquadric* limbQuadric = nullptr;

// One face of drawBlock: three vertices give the normal, then all four are sent.
struct BlockCorner {
    float x, y, z;
};

void blockFace(const BlockCorner (&corner)[4]) {
    glBegin(GL_POLYGON);
    faceNormal(corner[0].x, corner[0].y, corner[0].z, corner[1].x, corner[1].y, corner[1].z,
               corner[2].x, corner[2].y, corner[2].z);
    for (const BlockCorner& c : corner)
        glVertex3f(c.x, c.y, c.z);
    glEnd();
}

} // namespace

void drawLimb(double x1, double y1, double x2, double y2, double radius) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double angle = std::atan2(dy, dx) * 180.0 / piConstant;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (!limbQuadric)
        limbQuadric = gluNewQuadric();
    glPushMatrix();
    {
        glTranslatef(static_cast<float>(x2), static_cast<float>(y2), 0.0f);
        glRotatef(90.0f, 0.0f, -1.0f, 0.0f);
        glRotatef(static_cast<float>(angle), 1.0f, 0.0f, 0.0f);
        gluQuadricDrawStyle(limbQuadric, GLU_FILL);
        gluQuadricNormals(limbQuadric, GLU_SMOOTH);
        gluCylinder(limbQuadric, radius, radius, length, 6, 4);
    }
    glPopMatrix();
}

void drawBlock(float w, float h, float d) {
    blockFace({{0, 0, 0}, {0, -h, 0}, {w, -h, 0}, {w, 0, 0}});     // front
    blockFace({{w, 0, 0}, {w, -h, 0}, {w, -h, -d}, {w, 0, -d}});   // right
    blockFace({{0, 0, -d}, {w, 0, -d}, {w, -h, -d}, {0, -h, -d}}); // back
    blockFace({{0, 0, 0}, {0, 0, -d}, {0, -h, -d}, {0, -h, 0}});   // left
    blockFace({{0, 0, 0}, {w, 0, 0}, {w, 0, -d}, {0, 0, -d}});     // top
    blockFace({{0, -h, 0}, {0, -h, -d}, {w, -h, -d}, {w, -h, 0}}); // bottom
}

void faceNormal(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3,
                float z3) {
    const float ux = x2 - x1, uy = y2 - y1, uz = z2 - z1;
    const float vx = x3 - x2, vy = y3 - y2, vz = z3 - z2;
    const float nx = uy * vz - uz * vy;
    const float ny = uz * vx - ux * vz;
    const float nz = ux * vy - uy * vx;
    const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length == 0.0f)
        glNormal3f(nx, ny, nz);
    else
        glNormal3f(nx / length, ny / length, nz / length);
}

GLUquadric* limbQuadricObject() {
    return limbQuadric;
}
