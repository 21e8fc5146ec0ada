#pragma once

#include "input/replay_file.h"

// Every input enters the game here: GLUT's keys, mouse, right-button menu and window events,
// and the pads' presses. From here they reach the current screen's handlers and the
// recording; while a recording plays back, the player's own inputs do not reach the game,
// but for Escape (a pad's B), which hands it back; during the title's demo any press ends the
// demo and does nothing else.

// GLUT's callbacks, for every screen (app/screen.h installs them).
void keyboardInput(unsigned char key, int x, int y);
void specialInput(int key, int x, int y);
void mouseInput(int button, int state, int x, int y);
void menuInput(int entry);
void visibilityInput(int state);
void reshapeInput(int width, int height);

// A pad's press: the key it stands for on this screen, 0 where it stands for none.
void padInput(KeyCode key);

// Where the recordings' events come in: played as if they came now.
enum class InputSource { player, replay, demo };
void playInput(const ReplayEvent& event, InputSource source);

// The pacer's poll (app/idle_pacing.h): the recordings' events due before this step, then the
// pads. And its step hook: the checkpoints, written and compared.
double pollInputs();
void beforeStep();
