#include "scene/rings.h"

#include "models/palette.h"
#include "models/primitives.h"

#include <iterator>

namespace {

constexpr int matSquaresPerSide = 8;

constexpr float postInset = 3.9f;
constexpr float postHeight = 1.5f;
constexpr float postRadius = 0.1f;
constexpr float capSide = 0.2f;
constexpr float capHeight = 0.1f;

struct Corner {
    float x, z;
};
constexpr Corner postCorners[] = {{-postInset, -postInset},
                                  {-postInset, postInset},
                                  {postInset, -postInset},
                                  {postInset, postInset}};

constexpr float ropeHeights[] = {1.3f, 1.6f, 1.9f, 2.2f};
constexpr float ropeLength = 2.0f * postInset;
constexpr float ropeRadius = 0.02f;

// Where each side's ropes start and whether they run along -Z (turned about +Y) or +X.
struct RopeSide {
    float x, z;
    bool turned;
};
constexpr RopeSide ropeSides[] = {
    {-postInset, postInset, false},  // front
    {-postInset, -postInset, false}, // back
    {-postInset, postInset, true},   // left
    {postInset, postInset, true},    // right
};

// The whole picture once over the mat: s along +X, t along -Z.
void matCorner(float x, float z) {
    glTexCoord2f((x + ringHalfSide) / (2.0f * ringHalfSide),
                 (ringHalfSide - z) / (2.0f * ringHalfSide));
    glVertex3f(x, ringMatHeight, z);
}

void drawMat(GLuint matTexture) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, matTexture);
    for (int i = 0; i < matSquaresPerSide; ++i)
        for (int j = 0; j > -matSquaresPerSide; --j) {
            const float x0 = -ringHalfSide + static_cast<float>(i);
            const float z0 = ringHalfSide + static_cast<float>(j);
            glBegin(GL_POLYGON);
            faceNormal(x0, ringMatHeight, z0, x0 + 1, ringMatHeight, z0, x0 + 1, ringMatHeight,
                       z0 - 1);
            matCorner(x0, z0);
            matCorner(x0 + 1, z0);
            matCorner(x0 + 1, z0 - 1);
            matCorner(x0, z0 - 1);
            glEnd();
        }
    glDisable(GL_TEXTURE_2D);
}

void drawPlatform(RingSight sight) {
    glPushMatrix();
    {
        glTranslatef(-ringHalfSide, 1.0f, ringHalfSide);
        drawBlock(2.0f * ringHalfSide, 1.0f, 2.0f * ringHalfSide,
                  sight == RingSight::fromOverTheMat ? BlockFaces::allButTop : BlockFaces::all);
    }
    glPopMatrix();
}

void drawPost(const Corner& corner) {
    glPushMatrix();
    {
        glTranslatef(corner.x, 1.0f, corner.z);
        drawLimb(0, 0, 0, postHeight, postRadius);
    }
    glPopMatrix();
    glPushMatrix();
    {
        glTranslatef(corner.x - capSide / 2, 1.0f + postHeight + capHeight, corner.z + capSide / 2);
        drawBlock(capSide, capHeight, capSide);
    }
    glPopMatrix();
}

void drawRope(const RopeSide& side, float height) {
    glPushMatrix();
    {
        glTranslatef(side.x, height, side.z);
        if (side.turned)
            glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
        drawLimb(0, 0, ropeLength, 0, ropeRadius);
    }
    glPopMatrix();
}

void drawRopes(RopeColours ropes) {
    if (ropes == RopeColours::allBlue)
        applyMaterial(blueMaterial, usualShininess);
    for (const RopeSide& side : ropeSides)
        for (std::size_t rope = 0; rope < std::size(ropeHeights); ++rope) {
            if (ropes == RopeColours::blueAndRed)
                applyMaterial(rope % 2 == 0 ? blueMaterial : redMaterial, usualShininess);
            drawRope(side, ropeHeights[rope]);
        }
}

} // namespace

void drawRing(GLuint matTexture, RopeColours ropes, RingSight sight) {
    applyMaterial(whiteMaterial, usualShininess);
    drawMat(matTexture);
    drawPlatform(sight);
    applyMaterial(redMaterial, usualShininess);
    for (const Corner& corner : postCorners)
        drawPost(corner);
    drawRopes(ropes);
}
