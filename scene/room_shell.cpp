#include "scene/room_shell.h"

#include "models/palette.h"

#include <GL/gl.h>

namespace {

constexpr int tileSide = 2;
constexpr int wallHeight = 6;

struct Corner {
    float x, y, z;
};

void tile(const Corner (&corners)[4]) {
    glBegin(GL_POLYGON);
    for (const Corner& c : corners)
        glVertex3f(c.x, c.y, c.z);
    glEnd();
}

void drawFloor(int side) {
    for (int ia = tileSide; ia <= side; ia += tileSide)
        for (int ib = tileSide; ib <= side; ib += tileSide) {
            const float a = static_cast<float>(ia), b = static_cast<float>(ib);
            tile({{a - 2, 0, b}, {a, 0, b}, {a, 0, b - 2}, {a - 2, 0, b - 2}});
        }
}

// The walls at z = 0 (facing +Z) and, after the caller's move, at z = side (facing -Z).
void drawBackWall(int side) {
    for (int ia = tileSide; ia <= side; ia += tileSide)
        for (int ib = tileSide; ib <= wallHeight; ib += tileSide) {
            const float a = static_cast<float>(ia), b = static_cast<float>(ib);
            tile({{a, b, 0}, {a - 2, b, 0}, {a - 2, b - 2, 0}, {a, b - 2, 0}});
        }
}

void drawFrontWall(int side) {
    for (int ia = tileSide; ia <= side; ia += tileSide)
        for (int ib = tileSide; ib <= wallHeight; ib += tileSide) {
            const float a = static_cast<float>(ia), b = static_cast<float>(ib);
            tile({{a, b, 0}, {a, b - 2, 0}, {a - 2, b - 2, 0}, {a - 2, b, 0}});
        }
}

// The walls at x = 0 (facing +X) and, after the caller's move, at x = side (facing -X).
void drawLeftWall(int side) {
    for (int ia = tileSide; ia <= wallHeight; ia += tileSide)
        for (int ib = tileSide; ib <= side; ib += tileSide) {
            const float a = static_cast<float>(ia), b = static_cast<float>(ib);
            tile({{0, a, b}, {0, a - 2, b}, {0, a - 2, b - 2}, {0, a, b - 2}});
        }
}

void drawRightWall(int side) {
    for (int ia = tileSide; ia <= wallHeight; ia += tileSide)
        for (int ib = tileSide; ib <= side; ib += tileSide) {
            const float a = static_cast<float>(ia), b = static_cast<float>(ib);
            tile({{0, a, b}, {0, a, b - 2}, {0, a - 2, b - 2}, {0, a - 2, b}});
        }
}

} // namespace

void drawRoomShell(float cornerX, float cornerZ, int side) {
    const float length = static_cast<float>(side);
    glPushMatrix();
    {
        glTranslatef(cornerX, 0.0f, cornerZ);
        applyMaterial(leatherMaterial, usualShininess);
        drawFloor(side);
        applyMaterial(whiteMaterial, usualShininess);
        drawBackWall(side);
        drawLeftWall(side);
        glTranslatef(length, 0.0f, 0.0f);
        drawRightWall(side);
        glTranslatef(-length, 0.0f, length);
        drawFrontWall(side);
    }
    glPopMatrix();
}
