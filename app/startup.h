#pragma once

// Start-up work that needs the window's GL context: the font, the textures, the material
// palette and the display lists, in that order (lists capture materials and texture names),
// compiled inside one push and pop of the model-view matrix; then the rooms' pieces measured.
void initResources();

// The game up to its first screen: the settings, the window with its view menu, the resources
// and what inputs do on the game.
void startGame(int* argc, char** argv);

// The same in a window open already (the settings window's), with the settings in effect.
void startGameInWindow();
