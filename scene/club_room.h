#pragma once

// The "Amical" club room around the ring: a room 20 by 20 (x from -6 to 14, z from -10 to
// 10) with three still punching balls and the racks on the back wall, dumbbells on the
// floor, six punch bags along the front wall, six spectators, a door in the right wall under
// the club sign and two posters on the back wall. Leaves white current.

// Its pieces, a list each, compiled after the lists they call.
void compileClubRoomPieces();
// Measures them (scene/room_pieces.h), once they and the lists they call are compiled.
void measureClubRoomPieces();

// Every piece (the room's list), or those the camera can see (a frame's), as filled faces
// show them to an eye over the ring's mat when `overMat`.
void drawClubRoom();
void drawClubRoomSeen(bool overMat);
