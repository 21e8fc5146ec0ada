#pragma once

#include "scene/list_numbers.h"

// Compiles the seventeen scenery lists under their fixed numbers (scene/list_numbers.h).
// Needs a current GL context, the filled palette and the arena textures: the lists capture
// material colours and texture names as they are compiled. Every list leaves the matrix as
// it found it and its last material current. The rings and the grandstand as filled faces
// show them from over the mat, then the rooms' pieces follow (their lists call the others).
void compileSceneLists();

// Measures the rooms' pieces in feedback mode (scene/room_pieces.h): once, after the lists are
// compiled, outside their compilation. Unmeasured, every piece is drawn, the same pixels.
void measureScenePieces();

// The order they are compiled in. A list that calls another may come first: the callee is
// looked up when the caller runs.
inline constexpr SceneList sceneListCompileOrder[] = {
    friendlyRingList, cupRingList,      titleLetterListR,      titleLetterListU,
    titleLetterListK, titleLetterListO, leftArrowList,         rightArrowList,
    doubleDoorList,   punchBagList,     threeDumbbellRackList, twoDumbbellRackList,
    emptyRackList,    dumbbellList,     clubRoomList,          grandstandList,
    cupHallList,
};

// A block like drawBlock but with no normals and no bottom face: the punch bag's floor slab,
// lit with whatever normal is current.
void drawPlainBlock(float width, float height, float depth);
