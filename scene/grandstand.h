#pragma once

// A blue grandstand whose slope shows the crowd picture: front edge along z = 13, x from -15
// to 15, a base 1 high, the slope rising 5 more towards z = 0. Leaves white current.
void drawGrandstand();
