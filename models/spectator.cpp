#include "models/spectator.h"

#include "models/palette.h"
#include "models/radov_eze.h"

#include <GL/gl.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr float spectatorHeadHeight = 2.0f;

// Arms hanging a little away from the body, thumbs turned from the inner side to the front.
constexpr ArmPose standingArm{10.0f, 0.0f, 0.0f, 0.0f, 45.0f};
constexpr FighterPose standingPose{standingArm, standingArm, 0.0f, 0.0f};

// Black hair that still catches white highlights.
MaterialSet spectatorHairMaterial() {
    MaterialSet hair = blackMaterial;
    std::copy(std::begin(whiteMaterial.specular), std::end(whiteMaterial.specular),
              std::begin(hair.specular));
    hair.shininess = darkShininess;
    return hair;
}

} // namespace

void drawSpectator(int kind) {
    const MaterialSet& skin = kind == 0 ? lightSkinMaterial : darkSkinMaterial;
    const MaterialSet& clothes =
        kind == 0 ? blueMaterial : (kind == 1 ? whiteMaterial : redMaterial);
    const MaterialSet hair = spectatorHairMaterial();
    glPushMatrix();
    {
        glTranslatef(0.0f, spectatorHeadHeight, 0.0f);
        drawFighterBody({&skin, &clothes, &hair}, standingPose);
    }
    glPopMatrix();
}
