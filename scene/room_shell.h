#pragma once

// The shell both rooms share: a square room of `side` by `side` (an even number) and 6 high
// with its corner at (cornerX, 0, cornerZ), a leather floor and four white walls of 2 by 2
// tiles, no ceiling. Every tile is wound to face into the room, so with culling on the room
// is seen from inside only. The tiles carry no normal of their own: they are lit with the
// one current when the list runs. Leaves white current.
void drawRoomShell(float cornerX, float cornerZ, int side);
