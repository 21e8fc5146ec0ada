#pragma once

// What a fight shows, chosen by number: the decor's light and scenery lists and the
// opponent's model. Shared by the fight and the knock-out view.

// Sets up and enables the decor's light: a spot above the ring for the cup hall (decor 2),
// a directional light for any other decor.
void setUpDecorLight(int decor);

// Places the decor's light again in the view now on the model-view matrix.
void placeDecorLight(int decor);

// Switches off the decor's light when the fight is left.
void switchOffDecorLight(int decor);

// The decor's ring, then its hall or room.
void drawDecorScenery(int decor);

// The model of opponent 1, 2 or 3 in the current pose; nothing for any other number.
void drawOpponentModel(int opponent);

// Opponent numbers that have a model and a pose.
bool isKnownOpponent(int opponent);
