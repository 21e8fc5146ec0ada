#pragma once

#include <vector>

// The shell both rooms share: a square room of `side` by `side` (an even number) and 6 high
// with its corner at (cornerX, 0, cornerZ), a leather floor and four white walls of 2 by 2
// tiles, no ceiling. Every tile is wound to face into the room, so with culling on the room
// is seen from inside only. The tiles carry no normal of their own: they are lit with the
// one current when the list runs. Leaves white current.
void drawRoomShell(float cornerX, float cornerZ, int side);

// A box of the room, in its frame, that something always hides from the eye.
struct HiddenBox {
    float low[3], high[3];
};

// The same without the tiles wholly inside one of the boxes, for an eye that can never see
// them; the other tiles as drawRoomShell draws them, in the same order.
void drawRoomShellHiding(float cornerX, float cornerZ, int side,
                         const std::vector<HiddenBox>& hidden);
