#include "game/training_rules.h"

#include "game/punches.h"
#include "game/state.h"
#include "input/pads.h"
#include "sound/sound.h"

namespace {

void countPunch() {
    ++trainingPunches;
    if (ballAngle > ballCountingLimit)
        return;
    ++trainingHits;
    rumblePads(PadRumble::hit);
    playSound(trainingKind == punchingBallTraining ? Sound::ballSlap : Sound::punchThud);
}

} // namespace

void swingBall() {
    if (ballSwingUp) {
        if (ballAngle == ballSwingLimit)
            ballSwingUp = 0;
        else
            ballAngle += ballSwingStep;
    } else {
        if (ballAngle == -ballSwingLimit)
            ballSwingUp = 1;
        else
            ballAngle -= ballSwingStep;
    }
}

void advanceTraining() {
    if (trainingFinished)
        return;
    if (advanceRightPunch())
        countPunch();
    if (advanceLeftPunch())
        countPunch();
    if (trainingKind == punchingBallTraining)
        swingBall();
    if (trainingHits >= trainingHitsToFinish) {
        trainingFinished = 1;
        playSound(Sound::bell);
    }
}

int trainingPercentOf(int hits, int punches) {
    return punches > 0 ? hits * 100 / punches : 0;
}

const TrainingRating& trainingRating(int percent) {
    if (percent >= 90)
        return excellentRating;
    if (percent >= 50)
        return averageRating;
    return poorRating;
}
