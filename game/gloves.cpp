#include "game/gloves.h"

#include "game/state.h"
#include "models/jointed_arm.h"
#include "models/palette.h"

namespace {

// Mirrored roll, wrist and thumb, so that both thumbs point to the middle of the screen.
constexpr ArmAxes playerLeftArmAxes{{0, 0, -1}, {1, 0, 0}, {0, 1, 0}, {1, 0, 0}, {0, 1, 0}, 0.115f};
constexpr ArmAxes playerRightArmAxes{{0, 0, 1}, {1, 0, 0},  {0, 1, 0},
                                     {1, 0, 0}, {0, -1, 0}, -0.115f};

} // namespace

void drawPlayerLeftArm() {
    drawJointedArm(playerLeftArmAxes, playerLeftArm, lightSkinMaterial, redMaterial);
}

void drawPlayerRightArm() {
    drawJointedArm(playerRightArmAxes, playerRightArm, lightSkinMaterial, redMaterial);
}
