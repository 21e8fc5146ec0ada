#pragma once

// ruko --pads: what SDL sees, for a player whose pad does nothing. Each pad's name and whether
// SDL has a mapping for it (a pad without one cannot play), or "no pad found" and the usual
// causes. Starts and quits SDL on its own. Returns the exit status: 0, or 1 when SDL's game
// controllers cannot start.
int listPads();
