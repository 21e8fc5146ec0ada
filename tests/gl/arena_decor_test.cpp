#include "app/window.h"
#include "models/palette.h"
#include "scene/club_room.h"
#include "scene/cup_hall.h"
#include "scene/grandstand.h"
#include "scene/room_shell.h"
#include "scene/scene_lists.h"
#include "tests/support/gl_harness.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace {

// Mesa's feedback mode mishandles display lists that mix primitive types, so the decors are
// captured from their drawing functions; the lists they call hold one kind of face at a time.

class ArenaDecor : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        piConstant = 3.14159274f;
        fillMaterialPalette();
        resetGlState();
        compileSceneLists();
    }
    void SetUp() override {
        resetGlState();
        glDisable(GL_LIGHTING);
    }
};

bool allVertices(const FeedbackItem& item, const std::function<bool(const FeedbackVertex&)>& test) {
    return std::all_of(item.vertices.begin(), item.vertices.end(), test);
}

std::vector<FeedbackItem> where(const std::vector<FeedbackItem>& items,
                                const std::function<bool(const FeedbackVertex&)>& test) {
    std::vector<FeedbackItem> kept;
    for (const FeedbackItem& item : items)
        if (allVertices(item, test))
            kept.push_back(item);
    return kept;
}

// The shell's five faces, each with the normal that points into the room, and its tiles.
struct ShellFace {
    const char* name;
    std::array<float, 3> inward;
    int tiles;
};

// Whether a triangle of a shell with its corner at the origin lies on `face`.
bool onFace(const std::array<float, 3>& p0, const std::array<float, 3>& p1,
            const std::array<float, 3>& p2, const ShellFace& face, float side) {
    for (int axis = 0; axis < 3; ++axis) {
        if (face.inward[axis] == 0)
            continue;
        const float plane = face.inward[axis] > 0 ? 0.0f : side;
        return std::fabs(p0[axis] - plane) < 1e-3f && std::fabs(p1[axis] - plane) < 1e-3f &&
               std::fabs(p2[axis] - plane) < 1e-3f;
    }
    return false;
}

// Looks at the shell along a parallel view whose eye lies towards `yaw`/`pitch`, with culling
// on, and checks that exactly the tiles facing that eye are kept: every tile is seen from
// inside the room and from nowhere else.
void checkShellCulling(int side) {
    const ShellFace faces[] = {{"floor", {0, 1, 0}, (side / 2) * (side / 2)},
                               {"back", {0, 0, 1}, 3 * side / 2},
                               {"front", {0, 0, -1}, 3 * side / 2},
                               {"left", {1, 0, 0}, 3 * side / 2},
                               {"right", {-1, 0, 0}, 3 * side / 2}};
    const float s = static_cast<float>(side);
    for (float yaw : {45.0f, 135.0f, 225.0f, 315.0f})
        for (float pitch : {30.0f, -30.0f}) {
            std::array<float, 16> turn{};
            const auto kept = polygonsOf(captureInSceneUnits(
                [&] {
                    glRotatef(pitch, 1, 0, 0);
                    glRotatef(yaw, 0, 1, 0);
                    turn = currentMatrix();
                    glTranslatef(-s / 2, -3, -s / 2);
                    drawRoomShell(0, 0, side);
                },
                1.5 * s, true));
            // The eye's direction in the room: the view axis +Z turned back.
            const std::array<float, 3> eye = {turn[2], turn[6], turn[10]};
            int expected = 0;
            for (const ShellFace& face : faces) {
                const float facing =
                    face.inward[0] * eye[0] + face.inward[1] * eye[1] + face.inward[2] * eye[2];
                if (facing > 0)
                    expected += 2 * face.tiles;
            }
            EXPECT_EQ(static_cast<int>(kept.size()), expected) << yaw << ", " << pitch;
            for (const FeedbackItem& tri : kept) {
                std::array<std::array<float, 3>, 3> room{};
                for (int k = 0; k < 3; ++k) {
                    const FeedbackVertex& v = tri.vertices[k];
                    for (int axis = 0; axis < 3; ++axis)
                        room[k][axis] = turn[axis * 4 + 0] * v.x + turn[axis * 4 + 1] * v.y +
                                        turn[axis * 4 + 2] * v.z;
                    room[k][0] += s / 2;
                    room[k][1] += 3;
                    room[k][2] += s / 2;
                }
                const auto face =
                    std::find_if(std::begin(faces), std::end(faces), [&](const ShellFace& f) {
                        return onFace(room[0], room[1], room[2], f, s);
                    });
                ASSERT_NE(face, std::end(faces));
                EXPECT_GT(face->inward[0] * eye[0] + face->inward[1] * eye[1] +
                              face->inward[2] * eye[2],
                          0)
                    << face->name << " kept though seen from outside";
            }
        }
}

} // namespace

TEST_F(ArenaDecor, RoomShellsHaveTheirTilesFacingInside) {
    for (int side : {20, 40}) {
        const auto tiles =
            polygonsOf(captureInSceneUnits([side] { drawRoomShell(0, 0, side); }, 50.0));
        const int floorTiles = (side / 2) * (side / 2), wallTiles = 4 * 3 * side / 2;
        EXPECT_EQ(static_cast<int>(tiles.size()), 2 * (floorTiles + wallTiles)) << side;
        const Bounds b = boundsOf(tiles);
        EXPECT_NEAR(b.maxX, side, 1e-3);
        EXPECT_NEAR(b.maxY, 6, 1e-3);
        EXPECT_NEAR(b.maxZ, side, 1e-3);
        checkShellCulling(side);
    }
}

TEST_F(ArenaDecor, ClubRoomStandsBetweenItsWalls) {
    const auto polygons = polygonsOf(captureInSceneUnits(drawClubRoom, 20.0));
    const Bounds room = boundsOf(polygons);
    EXPECT_NEAR(room.minX, -6, 1e-3);
    EXPECT_NEAR(room.maxX, 14, 1e-3);
    EXPECT_NEAR(room.minZ, -10, 1e-3);
    EXPECT_NEAR(room.maxZ, 10, 1e-3);
    EXPECT_NEAR(room.minY, -0.01f, 1e-3) << "the spectators' soles";
    EXPECT_NEAR(room.maxY, 6, 1e-3);
    const auto leftWall = where(polygons, [](const FeedbackVertex& v) { return v.x < -5.999f; });
    const auto rightWall = where(polygons, [](const FeedbackVertex& v) { return v.x > 13.9995f; });
    EXPECT_EQ(leftWall.size(), 60u);
    // The right wall's tiles and the door's back, which touches it.
    EXPECT_GE(rightWall.size(), 60u);
}

TEST_F(ArenaDecor, PostersAndSignHangJustBeforeTheirWallsShowingTheirWholePicture) {
    const auto polygons = polygonsOf(captureInSceneUnits(drawClubRoom, 20.0));
    const auto posters =
        where(polygons, [](const FeedbackVertex& v) { return std::fabs(v.z + 9.999f) < 3e-4f; });
    ASSERT_EQ(posters.size(), 4u);
    for (const FeedbackItem& p : posters)
        for (const FeedbackVertex& v : p.vertices) {
            const float centre = v.x < 5 ? 2.0f : 9.0f;
            EXPECT_NEAR(v.s, v.x - centre + 0.5f, 1e-3) << "s from left to right";
            EXPECT_NEAR(v.t, v.y - 2.0f, 1e-3) << "t upwards";
        }
    const Bounds first = boundsOf({posters[0], posters[1]});
    EXPECT_NEAR(first.minX, 1.5f, 1e-3);
    EXPECT_NEAR(first.maxX, 2.5f, 1e-3);
    EXPECT_NEAR(first.minY, 2.0f, 1e-3);
    EXPECT_NEAR(first.maxY, 3.0f, 1e-3);

    const auto sign =
        where(polygons, [](const FeedbackVertex& v) { return std::fabs(v.x - 13.999f) < 3e-4f; });
    ASSERT_EQ(sign.size(), 2u);
    for (const FeedbackItem& p : sign)
        for (const FeedbackVertex& v : p.vertices) {
            // Seen from inside, looking towards +X, the left hand is -Z.
            EXPECT_NEAR(v.s, (v.z + 2) / 4, 1e-3);
            EXPECT_NEAR(v.t, (v.y - 2.8f) / 2, 1e-3);
        }
    const Bounds b = boundsOf(sign);
    EXPECT_NEAR(b.minY, 2.8f, 1e-3);
    EXPECT_NEAR(b.maxY, 4.8f, 1e-3);
    EXPECT_NEAR(b.minZ, -2, 1e-3);
    EXPECT_NEAR(b.maxZ, 2, 1e-3);
}

TEST_F(ArenaDecor, PicturesFaceIntoTheRoom) {
    // Parallel views with culling on, the eye on +Z of the turned frame: a picture is kept
    // from inside the room and culled from behind its wall.
    const auto kept = [](float turn, float depth) {
        const auto polygons = polygonsOf(captureInSceneUnits(
            [turn] {
                glRotatef(turn, 0, 1, 0);
                drawClubRoom();
            },
            20.0, true));
        return where(polygons,
                     [depth](const FeedbackVertex& v) { return std::fabs(v.z - depth) < 3e-4f; })
            .size();
    };
    EXPECT_EQ(kept(0, -9.999f), 4u) << "posters seen from the ring";
    EXPECT_EQ(kept(180, 9.999f), 0u) << "posters seen from behind the back wall";
    EXPECT_EQ(kept(90, -13.999f), 2u) << "sign seen from the ring";
    EXPECT_EQ(kept(-90, 13.999f), 0u) << "sign seen from behind the right wall";
}

TEST_F(ArenaDecor, GrandstandSlopesFromItsFrontEdgeUpToItsBack) {
    const auto polygons = polygonsOf(captureInSceneUnits(drawGrandstand, 20.0));
    const Bounds stand = boundsOf(polygons);
    EXPECT_NEAR(stand.minX, -15, 1e-3);
    EXPECT_NEAR(stand.maxX, 15, 1e-3);
    EXPECT_NEAR(stand.minY, 0, 1e-3);
    EXPECT_NEAR(stand.maxY, 6, 1e-3);
    EXPECT_NEAR(stand.minZ, 0, 1e-3);
    EXPECT_NEAR(stand.maxZ, 13, 1e-3);
    const auto slope = where(polygons, [](const FeedbackVertex& v) {
        return std::fabs(v.y - (1 + 5 * (13 - v.z) / 13)) < 1e-3f && std::fabs(v.x) > 14.999f;
    });
    ASSERT_EQ(slope.size(), 2u);
    for (const FeedbackItem& p : slope)
        for (const FeedbackVertex& v : p.vertices) {
            EXPECT_NEAR(v.s, (v.x + 15) / 30, 1e-3);
            EXPECT_NEAR(v.t, (13 - v.z) / 13, 1e-3) << "the crowd upright, up the slope";
        }
    const Bounds s = boundsOf(slope);
    EXPECT_NEAR(s.minY, 1, 1e-3);
    EXPECT_NEAR(s.maxY, 6, 1e-3);
}

TEST_F(ArenaDecor, CupHallTurnsItsFarGrandstandWithItsPicture) {
    const auto polygons = polygonsOf(captureInSceneUnits(drawCupHall, 25.0));
    const Bounds hall = boundsOf(polygons);
    EXPECT_NEAR(hall.minX, -20, 1e-3);
    EXPECT_NEAR(hall.maxX, 20, 1e-3);
    EXPECT_NEAR(hall.minZ, -20, 1e-3);
    EXPECT_NEAR(hall.maxZ, 20, 1e-3);
    const auto slopes = where(polygons, [](const FeedbackVertex& v) {
        return std::fabs(v.y - (1 + 5 * (std::fabs(v.z) - 7) / 13)) < 1e-3f &&
               std::fabs(v.x) > 14.999f && std::fabs(v.z) > 6.999f;
    });
    ASSERT_EQ(slopes.size(), 4u);
    for (const FeedbackItem& p : slopes)
        for (const FeedbackVertex& v : p.vertices) {
            const bool far = v.z > 0;
            // From the ring, facing each stand, s runs from the viewer's left to right.
            EXPECT_NEAR(v.s, far ? (15 - v.x) / 30 : (v.x + 15) / 30, 1e-3);
            EXPECT_NEAR(v.t, (std::fabs(v.z) - 7) / 13, 1e-3);
        }
    const auto doors = where(polygons, [](const FeedbackVertex& v) {
        return std::fabs(v.x) > 19.799f && std::fabs(v.x) < 19.999f;
    });
    EXPECT_FALSE(doors.empty()) << "a door in each side wall";
    const Bounds d = boundsOf(doors);
    EXPECT_NEAR(d.minZ, -1, 1e-3);
    EXPECT_NEAR(d.maxZ, 1, 1e-3);
}
