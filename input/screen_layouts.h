#pragma once

// What a pad's buttons and sticks mean on a screen (input/pad_layout.h says it for each):
// each screen says which of these is its own.
enum class PadLayout { title, menu, fight, knockOut, training };
