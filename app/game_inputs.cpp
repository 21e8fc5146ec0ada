#include "app/game_inputs.h"

#include "app/screen.h"
#include "menus/title_animation.h"
#include "menus/view_menu.h"

#include <GL/glut.h>

namespace {

void sendKey(KeyCode key) {
    if (key < specialKeyBase) {
        if (KeyboardHandler keyboard = screenKeyboard())
            keyboard(static_cast<unsigned char>(key), 0, 0);
    } else if (SpecialHandler special = screenSpecial()) {
        special(key - specialKeyBase, 0, 0);
    }
}

} // namespace

void carryOutOnScreen(const InputEvent& event) {
    if (isPress(event))
        titleStepsUntouched = 0;
    switch (event.kind) {
    case InputKind::key:
        sendKey(event.value);
        break;
    case InputKind::menu:
        onViewMenu(event.value);
        break;
    case InputKind::hidden:
    case InputKind::shown:
        if (auto visibility = screenVisibility())
            visibility(event.kind == InputKind::shown ? GLUT_VISIBLE : GLUT_NOT_VISIBLE);
        break;
    default:
        break;
    }
}
