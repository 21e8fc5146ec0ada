#pragma once

#include <GL/gl.h>

#include <functional>
#include <vector>

// A room drawn in pieces, each a display list of its own with the box round its vertices, so
// that a frame can leave out the pieces the camera cannot see: a piece wholly outside the view
// draws no pixel, so leaving it out changes none. The room's own list calls every piece, in
// order.
struct RoomPiece {
    std::function<void()> draw;
    bool alwaysDrawn;       // the shell, and what leaves the room's last state current
    bool litByNormalBefore; // has faces with no normal of their own, lit with the one before
    // What the piece draws as filled faces for an eye over the ring's mat, when that hides
    // some of it; or nothing, the piece being the same from everywhere.
    std::function<void()> drawOverMat = nullptr;
};

struct CompiledPiece {
    GLuint list;
    GLuint overMatList; // 0: the same list
    bool alwaysDrawn;
    bool litByNormalBefore; // its lists start with its normal list (firstPieceNormalList)
    bool measured;          // false: its box could not be measured, so it is always drawn
    float low[3], high[3];
};

using CompiledRoom = std::vector<CompiledPiece>;

// Compiles the pieces under the lists firstList, firstList + 1, ..., then the pieces' other
// lists for an eye over the mat; a piece lit with the normal before it calls its normal list
// first. Unmeasured, every piece is drawn.
CompiledRoom compileRoomPieces(GLuint firstList, const std::vector<RoomPiece>& pieces);

// Runs each piece in feedback mode, after the lists it calls are compiled, drawing nothing:
// compiles a piece's normal list with the normal the piece before leaves (leaving that one out
// then changes nothing), and measures its box. Once, after the lists' compilation, which runs
// nothing.
void measureRoomPieces(CompiledRoom& room);

// Every piece of a room of `count` pieces, as the room's own list calls them.
void callEveryPiece(GLuint firstList, int count);

// The pieces the current modelview and projection can show, in order; as drawn as filled faces
// for an eye over the mat when `overMat`.
void callPiecesSeen(const CompiledRoom& room, bool overMat);

// Whether the eye of the current modelview is over the ring's mat: within the square of
// half-side `halfSide` round the origin, higher than `height`.
bool eyeOver(float halfSide, float height);

// Whether faces hide what lies behind them: both sides filled. In the view menu's wireframe
// every edge shows, so nothing may be left out as hidden.
bool facesFilled();
