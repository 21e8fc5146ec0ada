#include "scene/arrows.h"

#include "models/primitives.h"
#include "scene/list_numbers.h"

#include <GL/freeglut.h>

#include <cstddef>

namespace {

constexpr double shaftSide = 0.5;

struct Point {
    float x, y, z;
};

// The head's faces in its own frame, whose origin is at (-0.25, 0, 0.25) in the arrow's.
constexpr Point headFront[] = {{0, 0, 0}, {0.25f, -0.45f, 0}, {0.25f, 0.45f, 0}};
constexpr Point headBack[] = {{0, 0, -0.5f}, {0.25f, 0.45f, -0.5f}, {0.25f, -0.45f, -0.5f}};
constexpr Point headQuads[][4] = {
    {{0.25f, -0.25f, 0}, {0.25f, -0.45f, 0}, {0.25f, -0.45f, -0.5f}, {0.25f, -0.25f, -0.5f}},
    {{0.25f, 0.25f, 0}, {0.25f, 0.25f, -0.5f}, {0.25f, 0.45f, -0.5f}, {0.25f, 0.45f, 0}},
    {{0.25f, 0.45f, 0}, {0.25f, 0.45f, -0.5f}, {0, 0, -0.5f}, {0, 0, 0}},
    {{0.25f, -0.45f, 0}, {0, 0, 0}, {0, 0, -0.5f}, {0.25f, -0.45f, -0.5f}},
};

template <std::size_t count> void headFace(GLenum mode, const Point (&corners)[count]) {
    glBegin(mode);
    faceNormal(corners[0].x, corners[0].y, corners[0].z, corners[1].x, corners[1].y, corners[1].z,
               corners[2].x, corners[2].y, corners[2].z);
    for (const Point& p : corners)
        glVertex3f(p.x, p.y, p.z);
    glEnd();
}

} // namespace

void drawLeftArrow() {
    glPushMatrix();
    {
        glTranslatef(0.25f, 0.0f, 0.0f);
        glutSolidCube(shaftSide);
    }
    glPopMatrix();
    glPushMatrix();
    {
        glTranslatef(-0.25f, 0.0f, 0.25f);
        headFace(GL_TRIANGLES, headFront);
        headFace(GL_TRIANGLES, headBack);
        for (const auto& quad : headQuads)
            headFace(GL_POLYGON, quad);
    }
    glPopMatrix();
}

void drawRightArrow() {
    glPushMatrix();
    {
        glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
        glCallList(leftArrowList);
    }
    glPopMatrix();
}
