#include "input/inputs.h"

#include <GL/glut.h>

namespace {

InputHandler gameHandler = nullptr;
InputHandler inputListener = nullptr;
InputJudge deviceJudge = nullptr;

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

void mouseInput(int, int state, int, int) {
    if (state == GLUT_DOWN)
        deviceInput({InputKind::click, 0});
}

void menuInput(int entry) {
    deviceInput({InputKind::menu, entry});
}

void visibilityInput(int state) {
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
