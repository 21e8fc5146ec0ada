#include "scene/scene_lists.h"

#include "scene/arena_textures.h"
#include "scene/arrows.h"
#include "scene/club_room.h"
#include "scene/cup_hall.h"
#include "scene/furniture.h"
#include "scene/grandstand.h"
#include "scene/list_numbers.h"
#include "scene/rings.h"
#include "scene/title_letters.h"

#include <GL/gl.h>

namespace {

void drawFriendlyRing() {
    drawRing(arenaTextures[friendlyRingTexture], RopeColours::allBlue);
}
void drawCupRing() {
    drawRing(arenaTextures[cupRingTexture], RopeColours::blueAndRed);
}
void drawEmptyRack() {
    drawRack({});
}
void drawTwoDumbbellRack() {
    drawRack({0, 2});
}
void drawThreeDumbbellRack() {
    drawRack({0, 1, 2});
}

// What each list draws, by number.
constexpr void (*listContents[])() = {
    nullptr,
    drawFriendlyRing,
    drawCupRing,
    drawTitleLetterR,
    drawTitleLetterU,
    drawTitleLetterK,
    drawTitleLetterO,
    drawLeftArrow,
    drawRightArrow,
    drawDumbbell,
    drawEmptyRack,
    drawTwoDumbbellRack,
    drawThreeDumbbellRack,
    drawPunchBag,
    drawDoubleDoor,
    drawClubRoom,
    drawCupHall,
    drawGrandstand,
};

struct PlainFace {
    float translation[3];
    float corners[4][3];
};

} // namespace

void compileSceneLists() {
    for (const SceneList list : sceneListCompileOrder) {
        glNewList(list, GL_COMPILE);
        listContents[list]();
        glEndList();
    }
    glNewList(friendlyRingOverMatList, GL_COMPILE);
    drawRing(arenaTextures[friendlyRingTexture], RopeColours::allBlue, RingSight::fromOverTheMat);
    glEndList();
    glNewList(cupRingOverMatList, GL_COMPILE);
    drawRing(arenaTextures[cupRingTexture], RopeColours::blueAndRed, RingSight::fromOverTheMat);
    glEndList();
    glNewList(grandstandFilledList, GL_COMPILE);
    drawGrandstandFilled();
    glEndList();
    compileClubRoomPieces();
    compileCupHallPieces();
}

void measureScenePieces() {
    measureClubRoomPieces();
    measureCupHallPieces();
}

void drawPlainBlock(float w, float h, float d) {
    const PlainFace faces[] = {
        {{0, 0, 0}, {{0, 0, 0}, {0, -h, 0}, {w, -h, 0}, {w, 0, 0}}},    // front
        {{0, 0, 0}, {{w, 0, 0}, {w, -h, 0}, {w, -h, -d}, {w, 0, -d}}},  // right
        {{0, 0, -d}, {{0, 0, 0}, {w, 0, 0}, {w, -h, 0}, {0, -h, 0}}},   // back
        {{-w, 0, 0}, {{w, 0, 0}, {w, 0, -d}, {w, -h, -d}, {w, -h, 0}}}, // left
        {{0, 0, 0}, {{0, 0, 0}, {w, 0, 0}, {w, 0, -d}, {0, 0, -d}}},    // top
    };
    for (const PlainFace& face : faces) {
        glPushMatrix();
        {
            glTranslatef(face.translation[0], face.translation[1], face.translation[2]);
            glBegin(GL_POLYGON);
            for (const auto& corner : face.corners)
                glVertex3f(corner[0], corner[1], corner[2]);
            glEnd();
        }
        glPopMatrix();
    }
}
