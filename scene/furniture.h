#pragma once

#include <initializer_list>

// The gym furniture of the scenery lists. Each leaves the matrix as it found it and the
// material it set last current.

// Two black weights on a dark grey bar along +X, from the top front left corner of the first
// weight: x 0 to 1.2, y -0.3 to 0, z -0.3 to 0. Leaves black current.
void drawDumbbell();

// A wooden wall board with six pegs in two columns, its back on the plane z = 0, and a
// dumbbell (called as its list) on each listed peg row: 0 the lowest, 2 the highest.
// Leaves leather current, or black when it holds dumbbells.
void drawRack(std::initializer_list<int> dumbbellRows);

// A red bag hanging from the arm of a black floor stand. Leaves red current.
void drawPunchBag();

// Two blue leaves with black windows, a seam and a glowing lamp above, the front face on the
// plane z = 0. Leaves glowing white current.
void drawDoubleDoor();
