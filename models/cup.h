#pragma once

// The champion's cup, all gold: a stepped base, a stem with a knot, a flared bowl with a rolled
// rim and two bent handles along X. It stands on y = 0 about the Y axis, 1.5 high. Leaves the
// matrix as it found it and the gold current.
void drawCup();
