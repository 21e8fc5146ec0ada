#pragma once

// A blue grandstand whose slope shows the crowd picture: front edge along z = 13, x from -15
// to 15, a base 1 high, the slope rising 5 more towards z = 0. Leaves white current.
void drawGrandstand();

// The same, every pixel alike, for filled faces only: the base's top drawn last, where the
// slope hides it. As lines it would lose the ties it wins against the base's sides.
void drawGrandstandFilled();
