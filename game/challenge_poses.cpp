#include "game/challenge_poses.h"

#include "game/challenge_attack.h"
#include "game/challenge_rules.h"
#include "game/state.h"

namespace {

// roll, pitch, yaw, elbow, wrist; the opponent's pitch lifts the arm towards the player.
constexpr ArmPose drawnBackArm{75.0f, -40.0f, 0.0f, 115.0f, 45.0f};
constexpr ArmPose extendedArm{50.0f, 120.0f, 0.0f, 0.0f, 90.0f};
constexpr ArmPose coveredArm{-10.0f, 25.0f, 30.0f, 155.0f, 45.0f};
// The player's gloves up before the eyes, forearms upright, drawn in towards the middle (the
// arms' mirrored axes make one pose serve both).
constexpr ArmPose guardArm{30.0f, 75.0f, 0.0f, 105.0f, 45.0f};
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
    // The left arm punches: drawn on the side the player's right glove leaves open above it.
    const float t = opponentPoseProgress();
    switch (static_cast<AttackState>(attackState)) {
    case AttackState::windUp:
        opponentLeftArm = blend(savedOpponentLeft, drawnBackArm, t);
        break;
    case AttackState::blow:
        opponentLeftArm = blend(drawnBackArm, extendedArm, t);
        break;
    case AttackState::strike:
        opponentLeftArm = extendedArm;
        break;
    case AttackState::recover:
        opponentLeftArm = blend(extendedArm, savedOpponentLeft, t);
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
    // Raised from where the arms are over the first steps of the guard, lowered over its last.
    const int raised = playerGuardLength - playerGuardSteps + 1;
    const int steps = raised < playerGuardSteps ? raised : playerGuardSteps;
    const float t = steps >= guardRaiseSteps ? 1.0f : static_cast<float>(steps) / guardRaiseSteps;
    playerLeftArm = blend(savedPlayerLeft, guardArm, t);
    playerRightArm = blend(savedPlayerRight, guardArm, t);
}

void restorePlayerArms() {
    playerLeftArm = savedPlayerLeft;
    playerRightArm = savedPlayerRight;
}
