#pragma once

#include "input/settings.h"

// Every input of the game takes one path: the devices (GLUT's keys, mouse, right-button menu
// and window's visibility, and the pads) make an event, and running an event lets the
// listener hear it (the session's recording) and then carries it out on the current screen.
// Another source may drive the game instead of the devices (a recording plays back): while it
// does, the devices' events go to its judge, which says whether they run. The size of the
// window, full screen and quitting act on the window alone and never take this path.

enum class InputKind { key, menu, click, pad, hidden, shown };

struct InputEvent {
    InputKind kind = InputKind::key;
    int value = 0; // the key, the menu entry
};

// Presses: what counts as the player's touch (the title's idle count starts over).
bool isPress(const InputEvent& event);

// GLUT's callbacks, for every screen (app/screen.cpp and menus/view_menu.cpp install them).
// A key comes through keyboardDown or specialDown, which hand it on to keyboardInput or
// specialInput unless it is a held key's repeat that the game ignores (below).
void keyboardInput(unsigned char key, int x, int y);
void specialInput(int key, int x, int y);
void keyboardDown(unsigned char key, int x, int y);
void keyboardUp(unsigned char key, int x, int y);
void specialDown(int key, int x, int y);
void specialUp(int key, int x, int y);
void mouseInput(int button, int state, int x, int y);
void menuInput(int entry);
void visibilityInput(int state);

// While `ignored` says so (app/ decides when), a key held down is one press, whatever the frame
// rate: a press of a key with no release since its last press is the system's auto-repeat
// (the window gets it so: detectKeyRepeats in platform/), dropped before it is an input and so
// never recorded; the pads' own repeats stop too. Otherwise held keys repeat as ever.
void setKeyRepeatIgnored(bool (*ignored)());
bool keyRepeatIgnored();

// A pad's press: the key it stands for on this screen, 0 where it stands for none.
void padInput(KeyCode key);

// What carries an event out on the game (app/ sets it), and what hears each event run.
using InputHandler = void (*)(const InputEvent& event);
void setInputHandler(InputHandler handler);
void setInputListener(InputHandler listener);

// While another source drives the game, the devices' events go to its judge: true when the
// event is to run as well. nullptr: the devices drive.
using InputJudge = bool (*)(const InputEvent& event);
void setDeviceJudge(InputJudge judge);

// The event heard, then carried out.
void runInput(const InputEvent& event);

// Carried out unheard: the game's own inputs, which it makes again when a recording plays.
void carryOutInput(const InputEvent& event);
