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

// Where the wall being drawn stands: the shell's corner and the moves made since, so that a
// tile's corners say where it is in the room.
struct TilePlace {
    float x, z;
    const std::vector<HiddenBox>& hidden;

    void tile(const Corner (&corners)[4]) const {
        for (const HiddenBox& box : hidden) {
            bool inside = true;
            for (const Corner& c : corners) {
                const float at[3] = {x + c.x, c.y, z + c.z};
                for (int axis = 0; axis < 3; ++axis)
                    inside = inside && at[axis] >= box.low[axis] && at[axis] <= box.high[axis];
            }
            if (inside)
                return;
        }
        ::tile(corners);
    }
};

void drawFloor(int side, const TilePlace& place) {
    for (int ia = tileSide; ia <= side; ia += tileSide)
        for (int ib = tileSide; ib <= side; ib += tileSide) {
            const float a = static_cast<float>(ia), b = static_cast<float>(ib);
            place.tile({{a - 2, 0, b}, {a, 0, b}, {a, 0, b - 2}, {a - 2, 0, b - 2}});
        }
}

// The walls at z = 0 (facing +Z) and, after the caller's move, at z = side (facing -Z).
void drawBackWall(int side, const TilePlace& place) {
    for (int ia = tileSide; ia <= side; ia += tileSide)
        for (int ib = tileSide; ib <= wallHeight; ib += tileSide) {
            const float a = static_cast<float>(ia), b = static_cast<float>(ib);
            place.tile({{a, b, 0}, {a - 2, b, 0}, {a - 2, b - 2, 0}, {a, b - 2, 0}});
        }
}

void drawFrontWall(int side, const TilePlace& place) {
    for (int ia = tileSide; ia <= side; ia += tileSide)
        for (int ib = tileSide; ib <= wallHeight; ib += tileSide) {
            const float a = static_cast<float>(ia), b = static_cast<float>(ib);
            place.tile({{a, b, 0}, {a, b - 2, 0}, {a - 2, b - 2, 0}, {a - 2, b, 0}});
        }
}

// The walls at x = 0 (facing +X) and, after the caller's move, at x = side (facing -X).
void drawLeftWall(int side, const TilePlace& place) {
    for (int ia = tileSide; ia <= wallHeight; ia += tileSide)
        for (int ib = tileSide; ib <= side; ib += tileSide) {
            const float a = static_cast<float>(ia), b = static_cast<float>(ib);
            place.tile({{0, a, b}, {0, a - 2, b}, {0, a - 2, b - 2}, {0, a, b - 2}});
        }
}

void drawRightWall(int side, const TilePlace& place) {
    for (int ia = tileSide; ia <= wallHeight; ia += tileSide)
        for (int ib = tileSide; ib <= side; ib += tileSide) {
            const float a = static_cast<float>(ia), b = static_cast<float>(ib);
            place.tile({{0, a, b}, {0, a, b - 2}, {0, a - 2, b - 2}, {0, a - 2, b}});
        }
}

} // namespace

void drawRoomShell(float cornerX, float cornerZ, int side) {
    drawRoomShellHiding(cornerX, cornerZ, side, {});
}

void drawRoomShellHiding(float cornerX, float cornerZ, int side,
                         const std::vector<HiddenBox>& hidden) {
    const float length = static_cast<float>(side);
    glPushMatrix();
    {
        glTranslatef(cornerX, 0.0f, cornerZ);
        applyMaterial(leatherMaterial, usualShininess);
        drawFloor(side, {cornerX, cornerZ, hidden});
        applyMaterial(whiteMaterial, usualShininess);
        drawBackWall(side, {cornerX, cornerZ, hidden});
        drawLeftWall(side, {cornerX, cornerZ, hidden});
        glTranslatef(length, 0.0f, 0.0f);
        drawRightWall(side, {cornerX + length, cornerZ, hidden});
        glTranslatef(-length, 0.0f, length);
        drawFrontWall(side, {cornerX, cornerZ + length, hidden});
    }
    glPopMatrix();
}
