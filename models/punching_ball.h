#pragma once

// The punching ball hanging under its black platform: the frame's origin is centred across
// the platform, level with its top and 0.5 in front of it; the ball hangs 0.8 behind, its
// rod turning about the pivot at (0, -0.2, -0.8). A positive angle (degrees) swings the ball
// backwards, a negative one towards the player. Leaves the matrix as it found it and the
// leather (shininess 90) current.
void drawPunchingBall(int swingAngle);
