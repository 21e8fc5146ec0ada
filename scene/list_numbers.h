#pragma once

// The fixed numbers of the display lists compiled once at start-up and called by every screen.

enum SceneList : unsigned {
    friendlyRingList = 1,
    cupRingList = 2,
    titleLetterListR = 3, // the four title letters R, U, K, O: lists 3 to 6
    titleLetterListU = 4,
    titleLetterListK = 5,
    titleLetterListO = 6,
    leftArrowList = 7,
    rightArrowList = 8,
    dumbbellList = 9,
    emptyRackList = 10,
    twoDumbbellRackList = 11,
    threeDumbbellRackList = 12,
    punchBagList = 13,
    doubleDoorList = 14,
    clubRoomList = 15,
    cupHallList = 16,
    grandstandList = 17,
};

// The rings as an eye over their mat sees them, and the rooms' pieces, a list each
// (scene/room_pieces.h), which the rooms' lists call.
inline constexpr unsigned friendlyRingOverMatList = 18;
inline constexpr unsigned cupRingOverMatList = 19;
inline constexpr unsigned firstClubRoomPieceList = 20;
inline constexpr unsigned firstCupHallPieceList = 48;
// The grandstand as filled faces draw it, which the cup hall's pieces call from over the mat
// (scene/grandstand.h).
inline constexpr unsigned grandstandFilledList = 55;
// The normal a piece lit with the one before starts with, a list of its own compiled when the
// pieces are measured: the piece list's number, from firstClubRoomPieceList, after that one.
inline constexpr unsigned firstPieceNormalList = grandstandFilledList + 1;
