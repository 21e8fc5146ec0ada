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

struct Corner {
    float x, y, z;
};

void flank(const Corner (&corners)[3]) {
    glBegin(GL_POLYGON);
    faceNormal(corners[0].x, corners[0].y, corners[0].z, corners[1].x, corners[1].y, corners[1].z,
               corners[2].x, corners[2].y, corners[2].z);
    for (const Corner& c : corners)
        glVertex3f(c.x, c.y, c.z);
    glEnd();
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

} // namespace

void drawGrandstand() {
    applyMaterial(blueMaterial, usualShininess);
    glPushMatrix();
    {
        glTranslatef(-standWidth / 2, baseHeight, standDepth);
        drawBlock(standWidth, baseHeight, standDepth);
        flank({{standWidth, 0, 0},
               {standWidth, 0, -standDepth},
               {standWidth, slopeRise, -standDepth}});
        flank({{0, 0, 0}, {0, slopeRise, -standDepth}, {0, 0, -standDepth}});
        applyMaterial(whiteMaterial, usualShininess);
        drawSlope();
    }
    glPopMatrix();
}
