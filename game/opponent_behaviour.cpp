#include "game/opponent_behaviour.h"

#include "game/state.h"

namespace {

// Left shoulder pitch limits of each opponent's sway, in degrees.
struct SwayLimits {
    float bottom;
    float top;
};

constexpr SwayLimits swayLimits[] = {
    {0.0f, 5.0f},    // Radov Eze
    {-10.0f, 0.0f},  // Radov Eze Black
    {-20.0f, -6.0f}, // Dida Vud
};

constexpr float swayStep = 1.0f;
constexpr float legSpreadOpen = 5.0f;
constexpr float legSpreadClosed = 0.0f;
constexpr float legSpreadStep = 1.0f;

} // namespace

void opponentSway(int opponent) {
    if (opponent < radovEze || opponent > didaVud)
        return;
    const SwayLimits& limits = swayLimits[opponent - 1];
    if (opponentSwayRising) {
        if (opponentLeftArm.shoulderPitch == limits.top) {
            opponentSwayRising = 0;
            return;
        }
        opponentLeftArm.shoulderPitch += swayStep;
        opponentRightArm.shoulderPitch -= swayStep;
    } else {
        if (opponentLeftArm.shoulderPitch == limits.bottom) {
            opponentSwayRising = 1;
            return;
        }
        opponentLeftArm.shoulderPitch -= swayStep;
        opponentRightArm.shoulderPitch += swayStep;
    }
}

void opponentSideStep() {
    if (!opponentStepActive)
        return;
    if (opponentStepOpening) {
        if (opponentRightLegSpread == legSpreadOpen) {
            opponentStepOpening = 0;
            return;
        }
        opponentRightLegSpread += legSpreadStep;
        opponentLeftLegSpread += legSpreadStep;
    } else {
        if (opponentRightLegSpread == legSpreadClosed) {
            opponentStepOpening = 1;
            opponentStepActive = 0;
            return;
        }
        opponentRightLegSpread -= legSpreadStep;
        opponentLeftLegSpread -= legSpreadStep;
    }
}
