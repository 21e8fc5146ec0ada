#include "game/punches.h"

#include "game/state.h"
#include "sound/sound.h"

namespace {

// One extension step; retraction takes it back. Two steps make a punch.
constexpr ArmPose rightPunchStep{7.5f, 40.0f, -10.0f, -60.0f, -20.0f};
constexpr ArmPose leftPunchStep{7.5f, 32.5f, 0.0f, -60.0f, -20.0f};

// The joint whose value tells each arm's limits.
constexpr float rightYawExtended = 0.0f;
constexpr float rightYawAtRest = 20.0f;
constexpr float leftElbowExtended = 0.0f;
constexpr float leftElbowAtRest = 120.0f;

constexpr float bobTop = 50.0f; // left shoulder pitch at the top of the bob
constexpr float bobRest = 45.0f;
constexpr float bobStep = 1.0f;

void moveArm(ArmPose& arm, const ArmPose& step, float direction) {
    arm.shoulderRoll += direction * step.shoulderRoll;
    arm.shoulderPitch += direction * step.shoulderPitch;
    arm.shoulderYaw += direction * step.shoulderYaw;
    arm.elbowBend += direction * step.elbowBend;
    arm.wristTurn += direction * step.wristTurn;
}

// The limit joint is read at the start of the tick; the tick that finds a limit only changes
// the flags.
bool advancePunch(Flag& active, Flag& extending, ArmPose& arm, const ArmPose& step,
                  const float& limitJoint, float extendedValue, float restValue) {
    if (!active)
        return false;
    if (extending) {
        if (limitJoint == extendedValue) {
            extending = 0;
            return true;
        }
        moveArm(arm, step, 1.0f);
    } else if (limitJoint == restValue) {
        active = 0;
    } else {
        moveArm(arm, step, -1.0f);
    }
    return false;
}

bool startPunch(Flag& active, Flag& extending) {
    const bool starts = !active || !extending;
    active = 1;
    extending = 1;
    return starts;
}

} // namespace

bool startLeftPunch() {
    return startPunch(leftPunchActive, leftPunchExtending);
}

bool startRightPunch() {
    return startPunch(rightPunchActive, rightPunchExtending);
}

void throwLeftPunch(bool punchesMove) {
    if (startLeftPunch() && punchesMove)
        playSound(Sound::punchSwish, SoundSide::left);
}

void throwRightPunch(bool punchesMove) {
    if (startRightPunch() && punchesMove)
        playSound(Sound::punchSwish, SoundSide::right);
}

bool advanceRightPunch() {
    return advancePunch(rightPunchActive, rightPunchExtending, playerRightArm, rightPunchStep,
                        playerRightArm.shoulderYaw, rightYawExtended, rightYawAtRest);
}

bool advanceLeftPunch() {
    return advancePunch(leftPunchActive, leftPunchExtending, playerLeftArm, leftPunchStep,
                        playerLeftArm.elbowBend, leftElbowExtended, leftElbowAtRest);
}

void advanceStepBob() {
    if (!stepBobActive)
        return;
    if (stepBobRising) {
        if (playerLeftArm.shoulderPitch == bobTop) {
            stepBobRising = 0;
            return;
        }
        playerLeftArm.shoulderPitch += bobStep;
        playerRightArm.shoulderPitch += bobStep;
    } else {
        if (playerLeftArm.shoulderPitch == bobRest) {
            stepBobActive = 0;
            stepBobRising = 1;
            return;
        }
        playerLeftArm.shoulderPitch -= bobStep;
        playerRightArm.shoulderPitch -= bobStep;
    }
}
