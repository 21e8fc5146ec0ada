#include "input/pad_layout.h"

#include "input/keys.h"

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
constexpr PadMeaning lPunch = act(Action::leftPunch), rPunch = act(Action::rightPunch);
constexpr PadMeaning stepIn = act(Action::stepIn), stepBack = act(Action::stepBack);
constexpr PadMeaning circleL = act(Action::circleLeft), circleR = act(Action::circleRight);
constexpr PadMeaning eyeUp = act(Action::eyeUp), eyeDown = act(Action::eyeDown);
constexpr PadMeaning sideL = act(Action::sideLeft), sideR = act(Action::sideRight);
constexpr PadMeaning turn = act(Action::turn), guard = act(Action::guard);
constexpr PadMeaning pause = act(Action::pause);

constexpr int layoutCount = static_cast<int>(PadLayout::training) + 1;

// Start pauses the fight and the training.
// In the order of PadLayout, then of PadInput: A, B, X, Y, Back, Start, the shoulders, the
// D-pad, the left stick, the right stick (up, down, left, right).
// clang-format off
constexpr PadMeaning layouts[layoutCount][padInputCount] = {
    // title
    {enter,  nothing, nothing, nothing, nothing, enter,   nothing, nothing,
     nothing, nothing, nothing, nothing, nothing, nothing, nothing, nothing,
     nothing, nothing, nothing, nothing},
    // menu
    {enter,  escape,  nothing, nothing, escape,  enter,   nothing, nothing,
     up,     down,    left,    right,   up,      down,    left,    right,
     nothing, nothing, nothing, nothing},
    // fight: B, free there, guards (nothing without the challenge)
    {rPunch, guard,   lPunch,  turn,    escape,  pause,   lPunch,  rPunch,
     stepIn, stepBack, circleL, circleR, stepIn, stepBack, circleL, circleR,
     eyeUp,  eyeDown, sideL,   sideR},
    // knock-out view: the fight's, B leaving too
    {rPunch, escape,  lPunch,  turn,    escape,  nothing, lPunch,  rPunch,
     stepIn, stepBack, circleL, circleR, stepIn, stepBack, circleL, circleR,
     eyeUp,  eyeDown, sideL,   sideR},
    // training
    {rPunch, escape,  lPunch,  nothing, escape,  pause,   lPunch,  rPunch,
     nothing, nothing, nothing, nothing, nothing, nothing, nothing, nothing,
     nothing, nothing, nothing, nothing},
};
// clang-format on

} // namespace

KeyCode padKey(PadLayout layout, PadInput input) {
    const PadMeaning& meaning = layouts[static_cast<int>(layout)][static_cast<int>(input)];
    return meaning.action == Action::none ? meaning.key : actionKey(meaning.action);
}
