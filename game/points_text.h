#pragma once

// "POINT = n" (or "POINTS = n") in the top-left corner, yellow on a black shadow: the fight's
// points and the training's counted hits.
void printPointCount(int points);
