#pragma once

// The player's two bare arms and red gloves, drawn from the shoulder centre at the current
// origin: the arm hangs along -Y and punches towards -Z. Each reads its own pose, leaves the
// matrix as it found it and redMaterial current.

void drawPlayerLeftArm();
void drawPlayerRightArm();
