#pragma once

// What a fight shows around its opponent, chosen by decor: the light and the scenery lists.
// Shared by the fight and the knock-out view.

// Sets up and enables the decor's light: a spot above the ring for the cup hall (decor 2),
// a directional light for any other decor.
void setUpDecorLight(int decor);

// Places the decor's light again in the view now on the model-view matrix.
void placeDecorLight(int decor);

// Switches off the decor's light when the fight is left.
void switchOffDecorLight(int decor);

// The decor's ring, then what the camera can see of its hall or room.
void drawDecorScenery(int decor);
