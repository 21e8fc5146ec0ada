#include "input/pads.h"

#include "input/inputs.h"
#include "input/pad_layout.h"
#include "platform/platform.h"

#include <SDL2/SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Pad {
    SDL_GameController* controller;
    SDL_JoystickID id;
    PadRepeat inputs[padInputCount];
};

std::vector<Pad> pads;
bool padsStarted = false;
bool rumblesAllowed = true;
PadLayout padLayout = PadLayout::title;
bool windowShown = true;

// Whether the pads' inputs counted at the last read: a pad there, the window shown and in front.
bool counting = false;

// With no pad and no step, how often to look for one plugged in.
constexpr double plugLookSeconds = 1.0;

struct ButtonInput {
    SDL_GameControllerButton button;
    PadInput input;
};

constexpr ButtonInput buttonInputs[] = {
    {SDL_CONTROLLER_BUTTON_A, PadInput::a},
    {SDL_CONTROLLER_BUTTON_B, PadInput::b},
    {SDL_CONTROLLER_BUTTON_X, PadInput::x},
    {SDL_CONTROLLER_BUTTON_Y, PadInput::y},
    {SDL_CONTROLLER_BUTTON_BACK, PadInput::back},
    {SDL_CONTROLLER_BUTTON_START, PadInput::start},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadInput::leftShoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadInput::rightShoulder},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadInput::dpadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadInput::dpadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadInput::dpadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadInput::dpadRight},
};

// Each stick axis: the input of its negative side, then of its positive side (SDL's y grows
// downwards).
struct AxisInputs {
    SDL_GameControllerAxis axis;
    PadInput negative;
    PadInput positive;
};

constexpr AxisInputs axisInputs[] = {
    {SDL_CONTROLLER_AXIS_LEFTX, PadInput::leftStickLeft, PadInput::leftStickRight},
    {SDL_CONTROLLER_AXIS_LEFTY, PadInput::leftStickUp, PadInput::leftStickDown},
    {SDL_CONTROLLER_AXIS_RIGHTX, PadInput::rightStickLeft, PadInput::rightStickRight},
    {SDL_CONTROLLER_AXIS_RIGHTY, PadInput::rightStickUp, PadInput::rightStickDown},
};

struct RumbleShape {
    Uint16 low;
    Uint16 high;
    Uint32 milliseconds;
};

constexpr RumbleShape hitRumble{0x5000, 0x9000, 120};
constexpr RumbleShape knockOutRumble{0xFFFF, 0xFFFF, 900};

Pad* findPad(SDL_JoystickID id) {
    for (Pad& pad : pads)
        if (pad.id == id)
            return &pad;
    return nullptr;
}

// What the input stands for on the current screen goes in with every other input; a press
// that stands for nothing still counts as a press (it ends the title's demo).
// The pause's button, as its key, never repeats.
void sendKey(PadInput input, bool press) {
    const KeyCode key = padKey(padLayout, input);
    if (!press && key == actionKey(Action::pause))
        return;
    if (key != 0 || press)
        padInput(key);
}

void setInput(Pad& pad, PadInput input, bool down, double now) {
    PadRepeat& repeat = pad.inputs[static_cast<int>(input)];
    if (down == repeat.held)
        return;
    if (!down) {
        repeat.release();
        return;
    }
    repeat.press(now);
    sendKey(input, true);
}

void addPad(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller)
        return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (findPad(id)) {
        SDL_GameControllerClose(controller); // opened twice: at the start and by its event
        return;
    }
    pads.push_back({controller, id, {}});
}

void removePad(SDL_JoystickID id) {
    for (auto pad = pads.begin(); pad != pads.end(); ++pad)
        if (pad->id == id) {
            SDL_GameControllerClose(pad->controller);
            pads.erase(pad);
            return;
        }
}

void onButton(const SDL_ControllerButtonEvent& event, double now) {
    Pad* pad = findPad(event.which);
    if (!pad)
        return;
    for (const ButtonInput& entry : buttonInputs)
        if (entry.button == event.button)
            setInput(*pad, entry.input, event.state == SDL_PRESSED, now);
}

void onAxis(const SDL_ControllerAxisEvent& event, double now) {
    Pad* pad = findPad(event.which);
    if (!pad)
        return;
    for (const AxisInputs& entry : axisInputs) {
        if (entry.axis != event.axis)
            continue;
        const int value = event.value;
        for (const PadInput input : {entry.negative, entry.positive}) {
            const int reach = input == entry.negative ? -value : value;
            const bool held = pad->inputs[static_cast<int>(input)].held;
            setInput(*pad, input, held ? reach > stickReleaseAt : reach >= stickPressAt, now);
        }
    }
}

void stopPads() {
    stopPadRumbles();
    for (const Pad& pad : pads)
        SDL_GameControllerClose(pad.controller);
    pads.clear();
    SDL_Quit();
}

} // namespace

void startPads() {
    // Ctrl+C and the like end the game as they always have, not as an SDL event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "ruko: playing without gamepads: %s\n", SDL_GetError());
        return;
    }
    std::atexit(stopPads);
    padsStarted = true;
}

// Hidden or behind another window, the game cannot be played: pads change nothing, and their
// repeats start afresh. The queue read first once it can be played again holds what they did
// meanwhile: dropped too.
double pollPads() {
    if (!padsStarted)
        return -1.0;
    const double now =
        std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    const bool countedBefore = counting;
    // The focus is asked of the window system only when a pad could have done something.
    counting = windowShown && !pads.empty() && gameWindowFocused();
    const bool count = counting && countedBefore;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            addPad(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            removePad(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (count)
                onButton(event.cbutton, now);
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (count)
                onAxis(event.caxis, now);
            break;
        default:
            break;
        }
    }
    for (Pad& pad : pads)
        for (int i = 0; i < padInputCount; ++i) {
            if (!count)
                pad.inputs[i].release();
            else if (pad.inputs[i].repeatDue(now) && !keyRepeatIgnored())
                sendKey(static_cast<PadInput>(i), false);
        }
    if (!windowShown)
        return -1.0;
    return pads.empty() ? plugLookSeconds : 0.0;
}

void rumblePads(PadRumble rumble) {
    if (!rumblesAllowed)
        return;
    const RumbleShape& shape = rumble == PadRumble::hit ? hitRumble : knockOutRumble;
    for (const Pad& pad : pads)
        SDL_GameControllerRumble(pad.controller, shape.low, shape.high, shape.milliseconds);
}

void setPadLayout(PadLayout layout) {
    padLayout = layout;
}

void setPadsWindowShown(bool shown) {
    windowShown = shown;
}

void allowPadRumbles(bool allowed) {
    if (rumblesAllowed && !allowed)
        stopPadRumbles();
    rumblesAllowed = allowed;
}

void stopPadRumbles() {
    for (const Pad& pad : pads)
        SDL_GameControllerRumble(pad.controller, 0, 0, 0);
}
