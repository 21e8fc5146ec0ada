#pragma once

#include <cstdint>
#include <vector>

// The game's icon: a red boxing glove, thumb forward and white cuff, on a transparent
// background. Drawn from resolution-free shapes, so every size shows the same glove.
// Returns size * size RGBA pixels, top row first.
std::vector<std::uint8_t> drawGloveIcon(int size);
