#include "scene/arrows.h"

#include "models/primitives.h"
#include "scene/list_numbers.h"

#include <GL/freeglut.h>

#include <cstddef>

namespace {

constexpr double shaftSide = 0.5;

// The head's faces in its own frame, whose origin is at (-0.25, 0, 0.25) in the arrow's.
constexpr FacePoint headFront[] = {{0, 0, 0}, {0.25f, -0.45f, 0}, {0.25f, 0.45f, 0}};
constexpr FacePoint headBack[] = {{0, 0, -0.5f}, {0.25f, 0.45f, -0.5f}, {0.25f, -0.45f, -0.5f}};
constexpr FacePoint headQuads[][4] = {
    {{0.25f, -0.25f, 0}, {0.25f, -0.45f, 0}, {0.25f, -0.45f, -0.5f}, {0.25f, -0.25f, -0.5f}},
    {{0.25f, 0.25f, 0}, {0.25f, 0.25f, -0.5f}, {0.25f, 0.45f, -0.5f}, {0.25f, 0.45f, 0}},
    {{0.25f, 0.45f, 0}, {0.25f, 0.45f, -0.5f}, {0, 0, -0.5f}, {0, 0, 0}},
    {{0.25f, -0.45f, 0}, {0, 0, 0}, {0, 0, -0.5f}, {0.25f, -0.45f, -0.5f}},
};

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
        drawListedFace(GL_TRIANGLES, headFront);
        drawListedFace(GL_TRIANGLES, headBack);
        for (const auto& quad : headQuads)
            drawListedFace(GL_POLYGON, quad);
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
