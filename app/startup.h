#pragma once

// Start-up work that needs the window's GL context: the font, the textures, the material
// palette and the display lists, in that order (lists capture materials and texture names).
void initResources();
