#include "scene/club_room.h"

#include "models/palette.h"
#include "models/primitives.h"
#include "models/punching_ball.h"
#include "models/spectator.h"
#include "scene/arena_textures.h"
#include "scene/list_numbers.h"
#include "scene/rings.h"
#include "scene/room_pieces.h"
#include "scene/room_shell.h"

#include <GL/gl.h>

#include <iterator>
#include <vector>

namespace {

constexpr float roomLeftX = -6.0f;
constexpr float roomBackZ = -10.0f;
constexpr int roomSide = 20;

struct Place {
    float x, y, z;
};

constexpr Place punchingBalls[] = {{-3, 1.9f, -9}, {0, 1.9f, -9}, {3, 1.9f, -9}};

struct PlacedList {
    unsigned list;
    Place at;
};
// Racks against the back wall, and dumbbells lying on the floor, bars along +X.
constexpr PlacedList backWallLists[] = {
    {twoDumbbellRackList, {5, 0, -10}}, {threeDumbbellRackList, {8, 0, -10}},
    {emptyRackList, {11, 0, -10}},      {dumbbellList, {8, 0.3f, -9}},
    {dumbbellList, {8, 0.3f, -8}},      {dumbbellList, {10.5f, 0.3f, -9}},
    {dumbbellList, {10.5f, 0.3f, -8}},
};

// Along the front wall, turned to face into the room.
constexpr float punchBagXs[] = {5, 8, 11, 2, -1, -4};
constexpr float frontWallZ = 10.0f;

struct StandingSpectator {
    Place at;
    float turn;
    int kind;
};
constexpr StandingSpectator spectators[] = {
    {{8, 0, -6}, -180, 1}, {{-4, 0, 7.5f}, 0, 1}, {{5, 0, 1}, -90, 2},
    {{8, 0, 7.5f}, 0, 0},  {{1.5f, 0, -5}, 0, 1}, {{-5, 0, 0}, 90, 2},
};

constexpr Place doorPlace = {13.9f, 0, 0}; // its back against the right wall

// A textured picture hung on a wall: its corners in its own plane (z = 0, facing +Z before the
// turn), each with its texture coordinates, and three points of that plane for its normal.
struct PictureCorner {
    float x, y, s, t;
};
struct Picture {
    ArenaTexture texture;
    Place centre;
    float turn;
    PictureCorner corners[4];
    float normalPoints[3][2];
};
constexpr Picture pictures[] = {
    {firstPosterTexture,
     {2, 2.5f, -9.999f},
     0,
     {{-0.5f, 0.5f, 0, 1}, {-0.5f, -0.5f, 0, 0}, {0.5f, -0.5f, 1, 0}, {0.5f, 0.5f, 1, 1}},
     {{-0.5f, 0.5f}, {-0.5f, -0.5f}, {0.5f, -0.5f}}},
    {secondPosterTexture,
     {9, 2.5f, -9.999f},
     0,
     {{-0.5f, 0.5f, 0, 1}, {-0.5f, -0.5f, 0, 0}, {0.5f, -0.5f, 1, 0}, {0.5f, 0.5f, 1, 1}},
     {{-0.5f, 0.5f}, {-0.5f, -0.5f}, {0.5f, -0.5f}}},
    {clubSignTexture,
     {13.999f, 3.8f, 0},
     -90,
     {{-2, 1, 0, 1}, {-2, -1, 0, 0}, {2, -1, 1, 0}, {2, 1, 1, 1}},
     {{-1, 0.5f}, {-1, -0.5f}, {1, -0.5f}}},
};

void moveAndTurn(const Place& at, float turn) {
    glTranslatef(at.x, at.y, at.z);
    glRotatef(turn, 0.0f, 1.0f, 0.0f);
}

void drawPicture(const Picture& picture) {
    glPushMatrix();
    {
        moveAndTurn(picture.centre, picture.turn);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, arenaTextures[picture.texture]);
        glBegin(GL_POLYGON);
        const auto& n = picture.normalPoints;
        faceNormal(n[0][0], n[0][1], 0, n[1][0], n[1][1], 0, n[2][0], n[2][1], 0);
        for (const PictureCorner& c : picture.corners) {
            glTexCoord2f(c.s, c.t);
            glVertex3f(c.x, c.y, 0.0f);
        }
        glEnd();
        glDisable(GL_TEXTURE_2D);
    }
    glPopMatrix();
}

// A piece drawn with the frame moved to `at` and turned about +Y.
template <typename Draw> RoomPiece placedPiece(const Place& at, float turn, Draw draw) {
    return {[at, turn, draw] {
                glPushMatrix();
                {
                    moveAndTurn(at, turn);
                    draw();
                }
                glPopMatrix();
            },
            false, false};
}

// In the order the room has always been drawn: the shell first, the pictures last.
std::vector<RoomPiece> clubRoomPieces() {
    std::vector<RoomPiece> pieces;
    pieces.push_back(
        {[] { drawRoomShell(roomLeftX, roomBackZ, roomSide); }, true, false,
         [] { drawRoomShellHiding(roomLeftX, roomBackZ, roomSide, {floorUnderRing}); }});
    for (const Place& at : punchingBalls)
        pieces.push_back(placedPiece(at, 0.0f, [] { drawPunchingBall(0); }));
    for (const PlacedList& placed : backWallLists)
        pieces.push_back(placedPiece(placed.at, 0.0f, [list = placed.list] { glCallList(list); }));
    for (const float x : punchBagXs) {
        RoomPiece bag = placedPiece({x, 0, frontWallZ}, 180.0f, [] { glCallList(punchBagList); });
        bag.litByNormalBefore = true; // its floor slab
        pieces.push_back(bag);
    }
    for (const StandingSpectator& spectator : spectators)
        pieces.push_back(placedPiece(spectator.at, spectator.turn,
                                     [kind = spectator.kind] { drawSpectator(kind); }));
    pieces.push_back(placedPiece(doorPlace, -90.0f, [] { glCallList(doubleDoorList); }));
    pieces.push_back({[] {
                          applyMaterial(whiteMaterial, usualShininess);
                          for (const Picture& picture : pictures)
                              drawPicture(picture);
                      },
                      true, false});
    return pieces;
}

constexpr int clubRoomPieceCount =
    static_cast<int>(1 + std::size(punchingBalls) + std::size(backWallLists) +
                     std::size(punchBagXs) + std::size(spectators) + 1 + 1);
constexpr int clubRoomOverMatLists = 1; // the shell's
static_assert(firstClubRoomPieceList + clubRoomPieceCount + clubRoomOverMatLists <=
              firstCupHallPieceList);

CompiledRoom clubRoom;

} // namespace

void compileClubRoomPieces() {
    const std::vector<RoomPiece> pieces = clubRoomPieces();
    clubRoom = compileRoomPieces(firstClubRoomPieceList, pieces);
}

void measureClubRoomPieces() {
    measureRoomPieces(clubRoom);
}

void drawClubRoom() {
    callEveryPiece(firstClubRoomPieceList, clubRoomPieceCount);
}

void drawClubRoomSeen(bool overMat) {
    callPiecesSeen(clubRoom, overMat);
}
