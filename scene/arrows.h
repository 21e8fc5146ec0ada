#pragma once

// The menus' arrows. They set no material: they draw in the caller's.

// Shaft from x 0 to 0.5, head with its tip edge at x = -0.25; 0.9 high, 0.5 deep.
void drawLeftArrow();

// The left arrow (called as its list) turned 180 degrees about +Y.
void drawRightArrow();
