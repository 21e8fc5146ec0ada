#pragma once

#include <string>
#include <vector>

// All that the steps and the handlers change, seen as a whole: for the recordings'
// checkpoints, and for the demo, which plays from the start's state and gives the title back
// as it was.

// The state as a checkpoint's fields: the screen by name, then a hash of each part (the
// menus, the fight, the training, the view), e.g.
//   screen=fight menus=1a2b3c4d fight=5e6f7a8b training=0c1d2e3f view=4a5b6c7d
// Numbers are hashed as integers, the real ones in 1/4096ths of a unit or degree: the same on
// every compiler and C library, the steps being exact.
std::string stateCheckpoint();

// Where a checkpoint recorded and one made now differ, as a message can say it ("the fight
// differs", "the screen is title, recorded fight"); empty when they agree.
std::string checkpointDifference(const std::string& recorded, const std::string& now);

// Every variable of the state, saved and put back.
using SavedState = std::vector<unsigned char>;
SavedState saveGameState();
void restoreGameState(const SavedState& saved);
