#pragma once

// A glutSolidSphere stretched along Y, the stretch undone right after it so that the next
// joint placed from the same frame is not moved by it.
void drawStretchedSphere(double radius, int slices, int stacks, float stretch);
