#include "scene/grandstand.h"

#include "models/palette.h"
#include "models/primitives.h"
#include "scene/arena_textures.h"

#include <GL/gl.h>

namespace {

constexpr float standWidth = 30.0f;
constexpr float standDepth = 13.0f;
constexpr float baseHeight = 1.0f;
constexpr float slopeRise = 5.0f;

void flank(const FacePoint (&corners)[3]) {
    drawListedFace(GL_POLYGON, corners);
}

// The crowd once over the slope, s along +X and t up the slope, so it reads upright from
// the ring.
void drawSlope() {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, arenaTextures[crowdTexture]);
    glBegin(GL_POLYGON);
    faceNormal(0, 0, 0, standWidth, 0, 0, standWidth, slopeRise, -standDepth);
    glTexCoord2f(0, 0);
    glVertex3f(0, 0, 0);
    glTexCoord2f(1, 0);
    glVertex3f(standWidth, 0, 0);
    glTexCoord2f(1, 1);
    glVertex3f(standWidth, slopeRise, -standDepth);
    glTexCoord2f(0, 1);
    glVertex3f(0, slopeRise, -standDepth);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void drawFlanks() {
    flank({{standWidth, 0, 0}, {standWidth, 0, -standDepth}, {standWidth, slopeRise, -standDepth}});
    flank({{0, 0, 0}, {0, slopeRise, -standDepth}, {0, 0, -standDepth}});
}

} // namespace

void drawGrandstand() {
    applyMaterial(blueMaterial, usualShininess);
    glPushMatrix();
    {
        glTranslatef(-standWidth / 2, baseHeight, standDepth);
        drawBlock(standWidth, baseHeight, standDepth);
        drawFlanks();
        applyMaterial(whiteMaterial, usualShininess);
        drawSlope();
    }
    glPopMatrix();
}

void drawGrandstandFilled() {
    applyMaterial(blueMaterial, usualShininess);
    glPushMatrix();
    {
        glTranslatef(-standWidth / 2, baseHeight, standDepth);
        drawBlock(standWidth, baseHeight, standDepth, BlockFaces::allButTop);
        drawFlanks();
        applyMaterial(whiteMaterial, usualShininess);
        drawSlope();
        // The base's top, all under the slope, after it: with GL_LESS where the game draws with
        // GL_LEQUAL it still loses wherever their depths tie, as when it came first, and what
        // the slope hides of it fails the depth test instead of being shaded and drawn over.
        glPushAttrib(GL_DEPTH_BUFFER_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
        glDepthFunc(GL_LESS);
        applyMaterial(blueMaterial, usualShininess);
        drawBlock(standWidth, baseHeight, standDepth, BlockFaces::topOnly);
        glPopAttrib();
    }
    glPopMatrix();
}
