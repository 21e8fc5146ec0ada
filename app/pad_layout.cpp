#include "app/pad_layout.h"

#include "app/keys.h"

#include <GL/glut.h>

namespace {

// A fixed key (the menus' Enter, Escape and arrows) or an action, whose key the settings give.
struct PadMeaning {
    KeyCode key;
    Action action;
};

constexpr PadMeaning nothing{0, Action::none};
constexpr PadMeaning enter{enterKey, Action::none};
constexpr PadMeaning escape{escapeKey, Action::none};
constexpr PadMeaning up{specialKey(GLUT_KEY_UP), Action::none};
constexpr PadMeaning down{specialKey(GLUT_KEY_DOWN), Action::none};
constexpr PadMeaning left{specialKey(GLUT_KEY_LEFT), Action::none};
constexpr PadMeaning right{specialKey(GLUT_KEY_RIGHT), Action::none};
constexpr PadMeaning act(Action action) {
    return {0, action};
}

constexpr int layoutCount = static_cast<int>(PadLayout::training) + 1;

// In the order of PadLayout, then of PadInput: A, B, X, Y, Back, Start, the shoulders, the
// D-pad, the left stick, the right stick (up, down, left, right).
constexpr PadMeaning layouts[layoutCount][padInputCount] = {
    // title
    {enter,   nothing, nothing, nothing, nothing, enter,   nothing, nothing, nothing, nothing,
     nothing, nothing, nothing, nothing, nothing, nothing, nothing, nothing, nothing, nothing},
    // menu
    {enter, escape, nothing, nothing, escape, enter, nothing, nothing, up,      down,
     left,  right,  up,      down,    left,   right, nothing, nothing, nothing, nothing},
    // fight
    {act(Action::rightPunch),
     nothing,
     act(Action::leftPunch),
     act(Action::turn),
     escape,
     nothing,
     act(Action::leftPunch),
     act(Action::rightPunch),
     act(Action::stepIn),
     act(Action::stepBack),
     act(Action::circleLeft),
     act(Action::circleRight),
     act(Action::stepIn),
     act(Action::stepBack),
     act(Action::circleLeft),
     act(Action::circleRight),
     act(Action::eyeUp),
     act(Action::eyeDown),
     act(Action::sideLeft),
     act(Action::sideRight)},
    // knock-out view: the fight's, B leaving too
    {act(Action::rightPunch),
     escape,
     act(Action::leftPunch),
     act(Action::turn),
     escape,
     nothing,
     act(Action::leftPunch),
     act(Action::rightPunch),
     act(Action::stepIn),
     act(Action::stepBack),
     act(Action::circleLeft),
     act(Action::circleRight),
     act(Action::stepIn),
     act(Action::stepBack),
     act(Action::circleLeft),
     act(Action::circleRight),
     act(Action::eyeUp),
     act(Action::eyeDown),
     act(Action::sideLeft),
     act(Action::sideRight)},
    // training
    {act(Action::rightPunch),
     escape,
     act(Action::leftPunch),
     nothing,
     escape,
     nothing,
     act(Action::leftPunch),
     act(Action::rightPunch),
     nothing,
     nothing,
     nothing,
     nothing,
     nothing,
     nothing,
     nothing,
     nothing,
     nothing,
     nothing,
     nothing,
     nothing},
};

} // namespace

KeyCode padKey(PadLayout layout, PadInput input) {
    const PadMeaning& meaning = layouts[static_cast<int>(layout)][static_cast<int>(input)];
    return meaning.action == Action::none ? meaning.key : actionKey(meaning.action);
}
