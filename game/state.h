#pragma once

#include "app/screen.h"

// The fight and training state: plain variables of program lifetime, given their start
// values by each screen's set-up and advanced one step per idle call.

using Flag = unsigned char; // a byte holding 0 or 1

// Five joint angles in degrees, applied from the shoulder outward.
struct ArmPose {
    float shoulderRoll;
    float shoulderPitch;
    float shoulderYaw;
    float elbowBend;
    float wristTurn;
};

inline constexpr ArmPose playerLeftRestPose{20.0f, 45.0f, 0.0f, 120.0f, 45.0f};
inline constexpr ArmPose playerRightRestPose{20.0f, 30.0f, 20.0f, 120.0f, 45.0f};

inline constexpr float startEyeHeight = 3.0f;
inline constexpr float startOpponentDistance = 2.0f;
inline constexpr int startBallAngle = -25;

// Opponent numbers, decor numbers and training kinds.
enum Opponent { radovEze = 1, radovEzeBlack = 2, didaVud = 3 };
enum Decor { friendlyDecor = 1, cupDecor = 2 };
enum TrainingKind { punchBagTraining = 1, punchingBallTraining = 2 };

extern ArmPose playerLeftArm;
extern ArmPose playerRightArm;
extern ArmPose opponentRightArm; // drawn on the -X side
extern ArmPose opponentLeftArm;  // drawn on the +X side

extern Flag rightPunchActive;
extern Flag rightPunchExtending;
extern Flag leftPunchActive;
extern Flag leftPunchExtending;

extern int fightOpponent;
extern int fightDecor;
extern int fightPoints;
inline constexpr int knockOutPoints = 40; // the fight ends with the first tick above it
extern float eyeHeight;                   // units
extern float opponentDistance;            // units, 1.25 to 3.75
extern float sideOffset;                  // units, -3.5 to 3.5
extern int orbitAngle;                    // degrees, -350 to 350
extern Flag opponentTurnFrozen;
extern Flag stepBobActive;
extern Flag stepBobRising;
extern int koSpin; // degrees, 0 to 359

extern float opponentRightLegSpread; // degrees, 0 to 5
extern float opponentLeftLegSpread;
extern Flag opponentSwayRising;
extern Flag opponentStepActive;
extern Flag opponentStepOpening;

extern int trainingKind;
extern Flag trainingFinished;
extern int trainingHits;
extern int trainingPunches;
extern int trainingPercent;
extern int ballAngle; // degrees, -25 to 25
extern Flag ballSwingUp;

// Lights of the fight decors and of the training.
inline constexpr ScreenLight cupLight{{0.0f, 5.0f, 0.0f, 1.0f}, {1.0f, 1.0f, 1.0f, 1.0f}};
inline constexpr float cupSpotDirection[3] = {0.0f, -1.0f, 0.0f};
inline constexpr ScreenLight clubLight{{5.0f, 4.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f, 1.0f}};
inline constexpr ScreenLight trainingLight{{0.0f, 5.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f, 1.0f}};

// Start values of the fight after its GL set-up (fightOpponent and fightDecor already set),
// ending with the opponent's start pose.
void setFightStartValues();

// Start values of the training for the given kind.
void setTrainingStartValues(int kind);
