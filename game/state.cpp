#include "game/state.h"

#include "challenge/challenge_rules.h"
#include "game/opponent_pose.h"
#include "game/pause.h"

ArmPose playerLeftArm{};
ArmPose playerRightArm{};
ArmPose opponentRightArm{};
ArmPose opponentLeftArm{};

Flag rightPunchActive = 0;
Flag rightPunchExtending = 0;
Flag leftPunchActive = 0;
Flag leftPunchExtending = 0;

int fightOpponent = 0;
int fightDecor = 0;
int fightPoints = 0;
float eyeHeight = startEyeHeight;
float opponentDistance = startOpponentDistance;
float sideOffset = 0.0f;
int orbitAngle = 0;
Flag opponentTurnFrozen = 0;
Flag stepBobActive = 0;
Flag stepBobRising = 0;
int koSpin = 0;

float opponentRightLegSpread = 0.0f;
float opponentLeftLegSpread = 0.0f;
Flag opponentSwayRising = 0;
Flag opponentStepActive = 0;
Flag opponentStepOpening = 0;

int trainingKind = 0;
Flag trainingFinished = 0;
int trainingHits = 0;
int trainingPunches = 0;
int trainingPercent = 0;
int ballAngle = startBallAngle;
Flag ballSwingUp = 1;

namespace {

void clearPunchFlags() {
    rightPunchActive = 0;
    rightPunchExtending = 0;
    leftPunchActive = 0;
    leftPunchExtending = 0;
}

} // namespace

void setFightStartValues() {
    sideOffset = 0.0f;
    eyeHeight = startEyeHeight;
    opponentDistance = startOpponentDistance;
    orbitAngle = 0;
    playerRightArm = playerRightRestPose;
    playerLeftArm = playerLeftRestPose;
    clearPunchFlags();
    stepBobActive = 0;
    stepBobRising = 1;
    opponentStepActive = 0;
    opponentTurnFrozen = 0;
    fightPoints = 0;
    koSpin = 0;
    gamePaused = 0;
    setOpponentStartPose(fightOpponent);
    if (challengeOn)
        startChallengeFight();
}

void setTrainingStartValues(int kind) {
    trainingKind = kind;
    playerRightArm = playerRightRestPose;
    playerLeftArm = playerLeftRestPose;
    clearPunchFlags();
    ballSwingUp = 1;
    trainingFinished = 0;
    trainingHits = 0;
    trainingPunches = 0;
    trainingPercent = 0;
    ballAngle = startBallAngle;
    gamePaused = 0;
}
