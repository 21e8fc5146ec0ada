#include "input/inputs.h"

#include <GL/glut.h>

#include <bitset>

namespace {

InputHandler gameHandler = nullptr;
InputHandler inputListener = nullptr;
InputJudge deviceJudge = nullptr;
bool (*repeatIgnored)() = nullptr;

// The keys down, from their press to their release. A letter is let go in the other case when
// Shift changed meanwhile: both cases are one key here.
std::bitset<2 * specialKeyBase> keysDown;

std::size_t keyIndex(KeyCode key) {
    return key >= 'A' && key <= 'Z' ? static_cast<std::size_t>(key - 'A' + 'a')
                                    : static_cast<std::size_t>(key);
}

// Marks the key down; false when it was down already and repeats are ignored. The pause's key
// never repeats: held, it would pause and resume on and on.
bool newPress(KeyCode key) {
    const std::size_t index = keyIndex(key);
    if (index >= keysDown.size())
        return true;
    const bool repeat = keysDown[index];
    keysDown[index] = true;
    return !repeat || (!keyRepeatIgnored() && actionOfKey(key) != Action::pause);
}

void release(KeyCode key) {
    if (keyIndex(key) < keysDown.size())
        keysDown[keyIndex(key)] = false;
}

void deviceInput(const InputEvent& event) {
    if (!deviceJudge || deviceJudge(event))
        runInput(event);
}

} // namespace

bool isPress(const InputEvent& event) {
    return event.kind == InputKind::key || event.kind == InputKind::menu ||
           event.kind == InputKind::click || event.kind == InputKind::pad;
}

void keyboardInput(unsigned char key, int, int) {
    deviceInput({InputKind::key, key});
}

void specialInput(int key, int, int) {
    deviceInput({InputKind::key, specialKey(key)});
}

void keyboardDown(unsigned char key, int x, int y) {
    if (newPress(key))
        keyboardInput(key, x, y);
}

void keyboardUp(unsigned char key, int, int) {
    release(key);
}

void specialDown(int key, int x, int y) {
    if (newPress(specialKey(key)))
        specialInput(key, x, y);
}

void specialUp(int key, int, int) {
    release(specialKey(key));
}

void setKeyRepeatIgnored(bool (*ignored)()) {
    repeatIgnored = ignored;
}

bool keyRepeatIgnored() {
    return repeatIgnored && repeatIgnored();
}

void mouseInput(int, int state, int, int) {
    if (state == GLUT_DOWN)
        deviceInput({InputKind::click, 0});
}

void menuInput(int entry) {
    deviceInput({InputKind::menu, entry});
}

// Keys let go while the window was away never told it.
void visibilityInput(int state) {
    keysDown.reset();
    deviceInput({state == GLUT_VISIBLE ? InputKind::shown : InputKind::hidden, 0});
}

void padInput(KeyCode key) {
    deviceInput(key ? InputEvent{InputKind::key, key} : InputEvent{InputKind::pad, 0});
}

void setInputHandler(InputHandler handler) {
    gameHandler = handler;
}

void setInputListener(InputHandler listener) {
    inputListener = listener;
}

void setDeviceJudge(InputJudge judge) {
    deviceJudge = judge;
}

void runInput(const InputEvent& event) {
    if (inputListener)
        inputListener(event);
    carryOutInput(event);
}

void carryOutInput(const InputEvent& event) {
    if (gameHandler)
        gameHandler(event);
}
