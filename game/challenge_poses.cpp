#include "game/challenge_poses.h"

#include "game/challenge_attack.h"
#include "game/challenge_rules.h"
#include "game/state.h"

namespace {

// roll, pitch, yaw, elbow, wrist; the opponent's pitch lifts the arm towards the player.
constexpr ArmPose drawnBackArm{40.0f, -45.0f, 10.0f, 125.0f, 45.0f};
constexpr ArmPose extendedArm{5.0f, 80.0f, 5.0f, 5.0f, 90.0f};
constexpr ArmPose coveredArm{-5.0f, 20.0f, 25.0f, 160.0f, 45.0f};
// The player's gloves up before the eyes, forearms upright, drawn in towards the middle.
constexpr ArmPose guardLeftArm{30.0f, 75.0f, 0.0f, 105.0f, 45.0f};
constexpr ArmPose guardRightArm{30.0f, 75.0f, 0.0f, 105.0f, 45.0f};
constexpr int guardRaiseSteps = 4; // steps to raise the gloves and to lower them

ArmPose savedOpponentRight;
ArmPose savedOpponentLeft;
ArmPose savedPlayerLeft;
ArmPose savedPlayerRight;

float mix(float from, float to, float t) {
    return from + (to - from) * t;
}

ArmPose blend(const ArmPose& from, const ArmPose& to, float t) {
    return {mix(from.shoulderRoll, to.shoulderRoll, t),
            mix(from.shoulderPitch, to.shoulderPitch, t), mix(from.shoulderYaw, to.shoulderYaw, t),
            mix(from.elbowBend, to.elbowBend, t), mix(from.wristTurn, to.wristTurn, t)};
}

} // namespace

void applyOpponentAttackArms() {
    savedOpponentRight = opponentRightArm;
    savedOpponentLeft = opponentLeftArm;
    const float t = opponentPoseProgress();
    switch (static_cast<AttackState>(attackState)) {
    case AttackState::windUp:
        opponentRightArm = blend(savedOpponentRight, drawnBackArm, t);
        break;
    case AttackState::blow:
        opponentRightArm = blend(drawnBackArm, extendedArm, t);
        break;
    case AttackState::strike:
        opponentRightArm = extendedArm;
        break;
    case AttackState::recover:
        opponentRightArm = blend(extendedArm, savedOpponentRight, t);
        break;
    case AttackState::guard:
        opponentRightArm = coveredArm;
        opponentLeftArm = coveredArm;
        break;
    default:
        break;
    }
}

void restoreOpponentArms() {
    opponentRightArm = savedOpponentRight;
    opponentLeftArm = savedOpponentLeft;
}

void applyPlayerGuardArms() {
    savedPlayerLeft = playerLeftArm;
    savedPlayerRight = playerRightArm;
    if (!challengePlayerGuarding())
        return;
    // Raised over the first steps of the guard, lowered over its last.
    const int raised = playerGuardLength - playerGuardSteps + 1;
    const int steps = raised < playerGuardSteps ? raised : playerGuardSteps;
    const float t = steps >= guardRaiseSteps ? 1.0f : static_cast<float>(steps) / guardRaiseSteps;
    playerLeftArm = blend(playerLeftRestPose, guardLeftArm, t);
    playerRightArm = blend(playerRightRestPose, guardRightArm, t);
}

void restorePlayerArms() {
    playerLeftArm = savedPlayerLeft;
    playerRightArm = savedPlayerRight;
}
