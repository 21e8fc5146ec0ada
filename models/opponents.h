#pragma once

// The three opponents by their number, for the fight, the knock-out view and the opponent menu.

// Opponent numbers that have a model and a pose.
bool isKnownOpponent(int opponent);

// The model of opponent 1, 2 or 3 in the current pose; nothing for any other number.
void drawOpponentModel(int opponent);
