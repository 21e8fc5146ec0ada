#pragma once

// One standing spectator of the club room: the body of "Radov Eze" one unit lower (head
// centre at (0, 2, 0), soles at y = -0.01), arms hanging 10 degrees out, thumbs turned to
// the front. Kind 0: light skin, blue clothes; 1: dark skin, white clothes; 2: dark skin, red
// clothes. Leaves the matrix as it found it and the clothes' material current.
void drawSpectator(int kind);
