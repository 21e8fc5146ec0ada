#include "scene/cup_hall.h"

#include "scene/list_numbers.h"
#include "scene/room_shell.h"

#include <GL/gl.h>

namespace {

constexpr float hallHalfSide = 20.0f;
constexpr int hallSide = 40;
constexpr float doorInset = 0.1f; // the doors' backs touch the side walls

// A list with the frame moved to (x, 0, z) and turned about +Y.
void placeList(unsigned list, float x, float z, float turn) {
    glPushMatrix();
    {
        glTranslatef(x, 0.0f, z);
        glRotatef(turn, 0.0f, 1.0f, 0.0f);
        glCallList(list);
    }
    glPopMatrix();
}

} // namespace

void drawCupHall() {
    drawRoomShell(-hallHalfSide, -hallHalfSide, hallSide);
    placeList(grandstandList, 0.0f, -hallHalfSide, 0.0f);
    placeList(grandstandList, 0.0f, hallHalfSide, 180.0f);
    placeList(doubleDoorList, hallHalfSide - doorInset, 0.0f, -90.0f);
    placeList(doubleDoorList, -(hallHalfSide - doorInset), 0.0f, 90.0f);
}
