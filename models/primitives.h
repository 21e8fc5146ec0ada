#pragma once

#include <GL/gl.h>

#include <cstddef>

// The four primitives every model is built from. All draw in the current model-view frame
// and leave the matrix stack as they found it.

// A six-sided open cylinder from (x2, y2, 0) to (x1, y1, 0) in the XY plane.
void drawLimb(double x1, double y1, double x2, double y2, double radius);

// A closed block spanning x 0..width, y -height..0, z -depth..0, faces wound outwards; or
// open at the top, for a block whose top something always hides; or its top alone.
enum class BlockFaces { all, allButTop, topOnly };
void drawBlock(float width, float height, float depth, BlockFaces faces = BlockFaces::all);

// One glNormal3f: the unit normal of the face (p1, p2, p3), or the zero vector unchanged.
void faceNormal(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3,
                float z3);

// A point of a hand-listed face.
struct FacePoint {
    float x, y, z;
};

// One hand-listed face (GL_POLYGON, GL_TRIANGLES, GL_TRIANGLE_STRIP...): the normal of its
// first three points, then every point.
void drawListedFace(GLenum mode, const FacePoint* points, std::size_t count);
template <std::size_t count> void drawListedFace(GLenum mode, const FacePoint (&points)[count]) {
    drawListedFace(mode, points, count);
}

// The single quadric the limbs use (null until the first limb is drawn).
struct GLUquadric;
GLUquadric* limbQuadricObject();
