#pragma once

// The "Coupe Tavelin" hall around the ring: a room 40 by 40 (x and z from -20 to 20), a
// grandstand (called as its list) before the back and the front wall, both facing the ring,
// and a door (called as its list) in each side wall. Leaves glowing white current.

// Its pieces, a list each, compiled after the lists they call.
void compileCupHallPieces();
// Measures them (scene/room_pieces.h), once they and the lists they call are compiled.
void measureCupHallPieces();

// Every piece (the room's list), or those the camera can see (a frame's), as filled faces
// show them to an eye over the ring's mat when `overMat`.
void drawCupHall();
void drawCupHallSeen(bool overMat);
