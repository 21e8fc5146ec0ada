#include "scene/cup_hall.h"

#include "scene/list_numbers.h"
#include "scene/rings.h"
#include "scene/room_pieces.h"
#include "scene/room_shell.h"

#include <GL/gl.h>

#include <iterator>
#include <vector>

namespace {

constexpr float hallHalfSide = 20.0f;
constexpr int hallSide = 40;
constexpr float doorInset = 0.1f; // the doors' backs touch the side walls

// Each grandstand (x from -15 to 15, from the wall to 13 in front of it, its slope reaching the
// wall's top) hides from everywhere in the hall the floor under it and the wall's two lower rows
// behind it. A unit in from its edges, so that no depth there can tie with the stand's.
constexpr HiddenBox hiddenByStands[] = {
    {{-14, 0, -20}, {14, 0, -8}},
    {{-14, 0, 8}, {14, 0, 20}},
    {{-14, 0, -20}, {14, 4, -20}},
    {{-14, 0, 20}, {14, 4, 20}},
};

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

// The shell first: what stands against it must win where their depths tie, as they always
// have. The doors come last and are always drawn: they leave the hall's last material current.
std::vector<RoomPiece> cupHallPieces() {
    return {
        {[] { drawRoomShell(-hallHalfSide, -hallHalfSide, hallSide); }, true, false,
         [] {
             std::vector<HiddenBox> hidden(std::begin(hiddenByStands), std::end(hiddenByStands));
             hidden.push_back(floorUnderRing);
             drawRoomShellHiding(-hallHalfSide, -hallHalfSide, hallSide, hidden);
         }},
        {[] { placeList(grandstandList, 0.0f, -hallHalfSide, 0.0f); }, false, false,
         [] { placeList(grandstandFilledList, 0.0f, -hallHalfSide, 0.0f); }},
        {[] { placeList(grandstandList, 0.0f, hallHalfSide, 180.0f); }, false, false,
         [] { placeList(grandstandFilledList, 0.0f, hallHalfSide, 180.0f); }},
        {[] {
             placeList(doubleDoorList, hallHalfSide - doorInset, 0.0f, -90.0f);
             placeList(doubleDoorList, -(hallHalfSide - doorInset), 0.0f, 90.0f);
         },
         true, false},
    };
}

constexpr int cupHallPieceCount = 4;
constexpr int cupHallOverMatLists = 3; // the shell's and the grandstands'
static_assert(firstCupHallPieceList + cupHallPieceCount + cupHallOverMatLists <=
              grandstandFilledList);

CompiledRoom cupHall;

} // namespace

void compileCupHallPieces() {
    const std::vector<RoomPiece> pieces = cupHallPieces();
    cupHall = compileRoomPieces(firstCupHallPieceList, pieces);
}

void measureCupHallPieces() {
    measureRoomPieces(cupHall);
}

void drawCupHall() {
    callEveryPiece(firstCupHallPieceList, cupHallPieceCount);
}

void drawCupHallSeen(bool overMat) {
    callPiecesSeen(cupHall, overMat);
}
