#pragma once

// TrainingScreen: the player's gloves before the punch bag or the swinging punching ball;
// twenty counted hits end the run with the percentage and a rating.

// kind 1 the punch bag, 2 the punching ball.
void enterTrainingScreen(int kind);

void trainingDisplay();
void trainingIdle();
void trainingKeyboard(unsigned char key, int x, int y);
// For punches bound to keys without a character (input/settings.h).
void trainingSpecial(int key, int x, int y);
