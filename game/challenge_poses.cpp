#include "game/challenge_poses.h"

#include "challenge/challenge_attack.h"
#include "challenge/challenge_rules.h"
#include "game/state.h"

namespace {

// roll, pitch, yaw, elbow, wrist; the opponent's pitch lifts the arm towards the player, its
// roll takes it out to the side. Each kind of blow has its own wind-up, told apart at a glance:
// the straight's fist pulled back by the shoulder, the hook's elbow swung out wide at shoulder
// height, the uppercut's fist dropped low and out by the hip.
struct BlowArms {
    ArmPose drawnBack;
    ArmPose extended;
};
constexpr BlowArms blowArms[] = {
    {{40.0f, -50.0f, 0.0f, 135.0f, 45.0f}, {50.0f, 120.0f, 0.0f, 0.0f, 90.0f}}, // straight
    {{115.0f, 15.0f, 0.0f, 95.0f, 45.0f}, {95.0f, 85.0f, 0.0f, 80.0f, 45.0f}},  // hook
    {{55.0f, -45.0f, 0.0f, 35.0f, 90.0f}, {20.0f, 145.0f, 0.0f, 75.0f, 90.0f}}, // uppercut
};
static_assert(sizeof blowArms / sizeof blowArms[0] == static_cast<int>(BlowKind::count),
              "one pair of poses per kind of blow");
constexpr ArmPose coveredArm{-10.0f, 25.0f, 30.0f, 155.0f, 45.0f};
constexpr ArmPose droppedArm{30.0f, 5.0f, 0.0f, 15.0f, 45.0f}; // guard down: open
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
    const BlowArms& arms = blowArms[static_cast<int>(opponentBlowKind())];
    switch (static_cast<AttackState>(challenge.attackState)) {
    case AttackState::windUp:
        opponentLeftArm = blend(savedOpponentLeft, arms.drawnBack, t);
        break;
    case AttackState::aim:
        opponentLeftArm = arms.drawnBack;
        break;
    case AttackState::feint:
        opponentLeftArm = blend(arms.drawnBack, savedOpponentLeft, t);
        break;
    case AttackState::blow:
        opponentLeftArm = blend(arms.drawnBack, arms.extended, t);
        break;
    case AttackState::strike:
        opponentLeftArm = arms.extended;
        break;
    case AttackState::recover:
        // After a miss the arm hangs out of the guard: the opening shows.
        opponentLeftArm = challenge.lastBlowMissed ? blend(arms.extended, droppedArm, t)
                                                   : blend(arms.extended, savedOpponentLeft, t);
        if (challenge.lastBlowMissed)
            opponentRightArm = droppedArm;
        break;
    case AttackState::guard:
        opponentRightArm = coveredArm;
        opponentLeftArm = coveredArm;
        break;
    case AttackState::tired:
        opponentRightArm = droppedArm;
        opponentLeftArm = droppedArm;
        break;
    default:
        break;
    }
}

ArmPose windUpArm(BlowKind kind) {
    return blowArms[static_cast<int>(kind)].drawnBack;
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
    const int raised = playerGuardLength - challenge.playerGuardSteps + 1;
    const int steps = raised < challenge.playerGuardSteps ? raised : challenge.playerGuardSteps;
    const float t = steps >= guardRaiseSteps ? 1.0f : static_cast<float>(steps) / guardRaiseSteps;
    playerLeftArm = blend(savedPlayerLeft, guardArm, t);
    playerRightArm = blend(savedPlayerRight, guardArm, t);
}

void restorePlayerArms() {
    playerLeftArm = savedPlayerLeft;
    playerRightArm = savedPlayerRight;
}
