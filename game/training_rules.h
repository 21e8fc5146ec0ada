#pragma once

#include "text/words.h"

// The training's counting, the ball's swing and the rating, apart from any drawing.

inline constexpr int trainingHitsToFinish = 20;
inline constexpr int ballCountingLimit = -20; // a punch counts while ballAngle <= this
inline constexpr int ballSwingLimit = 25;
inline constexpr int ballSwingStep = 5;

// One tick: both punches, counted against the angle the previous tick left, then the
// ball's swing, then the end test. A finished training does not move.
void advanceTraining();

// One tick of the punching ball's swing: ten steps each way and a turning tick at each end.
void swingBall();

// Counted hits among the punches that reached full extension, in whole percent.
int trainingPercentOf(int hits, int punches);

// Centred, and `nudge` pixels right of that.
struct TrainingRating {
    Word word;
    int nudge;
};

inline constexpr TrainingRating excellentRating{Word::excellent, 15};
inline constexpr TrainingRating averageRating{Word::average, 0};
inline constexpr TrainingRating poorRating{Word::poor, 0};

// 90 and above, 50 to 89, below 50.
const TrainingRating& trainingRating(int percent);
