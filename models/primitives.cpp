#include "models/primitives.h"

#include "app/window.h"

#include <GL/glu.h>

#include <cmath>

namespace {

GLUquadric* limbQuadric = nullptr;

void blockFace(const FacePoint (&corners)[4]) {
    drawListedFace(GL_POLYGON, corners);
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

void drawBlock(float w, float h, float d, BlockFaces faces) {
    const bool sides = faces != BlockFaces::topOnly, top = faces != BlockFaces::allButTop;
    if (sides) {
        blockFace({{0, 0, 0}, {0, -h, 0}, {w, -h, 0}, {w, 0, 0}});     // front
        blockFace({{w, 0, 0}, {w, -h, 0}, {w, -h, -d}, {w, 0, -d}});   // right
        blockFace({{0, 0, -d}, {w, 0, -d}, {w, -h, -d}, {0, -h, -d}}); // back
        blockFace({{0, 0, 0}, {0, 0, -d}, {0, -h, -d}, {0, -h, 0}});   // left
    }
    if (top)
        blockFace({{0, 0, 0}, {w, 0, 0}, {w, 0, -d}, {0, 0, -d}}); // top
    if (sides)
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

void drawListedFace(GLenum mode, const FacePoint* points, std::size_t count) {
    glBegin(mode);
    faceNormal(points[0].x, points[0].y, points[0].z, points[1].x, points[1].y, points[1].z,
               points[2].x, points[2].y, points[2].z);
    for (std::size_t i = 0; i < count; ++i)
        glVertex3f(points[i].x, points[i].y, points[i].z);
    glEnd();
}

GLUquadric* limbQuadricObject() {
    return limbQuadric;
}
