#include "game/opponent_pose.h"

#include "game/state.h"

namespace {

struct OpponentPose {
    ArmPose rightArm;
    ArmPose leftArm;
};

// roll, pitch, yaw, elbow, wrist
constexpr OpponentPose startPoses[] = {
    {{25, -10, 20, 140, 45}, {30, 5, 20, 130, 45}},   // Radov Eze
    {{25, -10, 20, 45, 45}, {30, -10, 25, 140, 45}},  // Radov Eze Black
    {{25, -20, 20, 110, 45}, {30, -20, 20, 110, 45}}, // Dida Vud
};

constexpr OpponentPose restPose{{30, 0, 0, 0, 45}, {30, 0, 0, 0, 45}};

void writeArmsAndLegs(const OpponentPose& pose) {
    opponentRightArm = pose.rightArm;
    opponentLeftArm = pose.leftArm;
    opponentRightLegSpread = 0.0f;
    opponentLeftLegSpread = 0.0f;
}

} // namespace

void setOpponentStartPose(int opponent) {
    if (opponent < radovEze || opponent > didaVud)
        return;
    writeArmsAndLegs(startPoses[opponent - 1]);
    opponentSwayRising = 0;
    opponentStepOpening = 1;
}

void setOpponentRestPose() {
    writeArmsAndLegs(restPose);
}
