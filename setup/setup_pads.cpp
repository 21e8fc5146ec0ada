#include "setup/setup_pads.h"

#include "platform/platform.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <vector>

namespace {

struct ShownButton {
    SDL_GameControllerButton button;
    const char* label;
};

constexpr ShownButton shownButtons[shownButtonCount] = {
    {SDL_CONTROLLER_BUTTON_A, "A"},
    {SDL_CONTROLLER_BUTTON_B, "B"},
    {SDL_CONTROLLER_BUTTON_X, "X"},
    {SDL_CONTROLLER_BUTTON_Y, "Y"},
    {SDL_CONTROLLER_BUTTON_BACK, "BACK"},
    {SDL_CONTROLLER_BUTTON_START, "START"},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, "LB"},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, "RB"},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, "^"},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, "v"},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, "<"},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, ">"},
};

struct ButtonCommand {
    Uint8 button;
    PadCommand command;
};

constexpr ButtonCommand buttonCommands[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadCommand::up},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadCommand::down},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadCommand::left},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadCommand::right},
    {SDL_CONTROLLER_BUTTON_A, PadCommand::activate},
    {SDL_CONTROLLER_BUTTON_B, PadCommand::back},
};

std::vector<SDL_GameController*> setupPads;
bool padsStarted = false;

void closePad(SDL_JoystickID id) {
    for (auto pad = setupPads.begin(); pad != setupPads.end(); ++pad)
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(*pad)) == id) {
            SDL_GameControllerClose(*pad);
            setupPads.erase(pad);
            return;
        }
}

// A pad is opened once, whether it was there at the start or plugged in since.
void openPad(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller)
        return;
    for (SDL_GameController* pad : setupPads)
        if (pad == controller) {
            SDL_GameControllerClose(controller);
            return;
        }
    setupPads.push_back(controller);
}

} // namespace

void startSetupPads() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "ruko: no gamepads in the settings: %s\n", SDL_GetError());
        return;
    }
    padsStarted = true;
}

void stopSetupPads() {
    if (!padsStarted)
        return;
    for (SDL_GameController* pad : setupPads)
        SDL_GameControllerClose(pad);
    setupPads.clear();
    SDL_Quit();
    padsStarted = false;
}

bool pollSetupPads(void (*command)(PadCommand)) {
    if (!padsStarted)
        return false;
    const bool focused = gameWindowFocused();
    bool changed = false;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            openPad(event.cdevice.which);
            changed = true;
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            closePad(event.cdevice.which);
            changed = true;
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            for (const ButtonCommand& entry : buttonCommands)
                if (focused && entry.button == event.cbutton.button)
                    command(entry.command);
            changed = true;
            break;
        case SDL_CONTROLLERBUTTONUP:
            changed = true;
            break;
        default:
            break;
        }
    }
    return changed;
}

int setupPadCount() {
    return static_cast<int>(setupPads.size());
}

std::string setupPadName(int pad) {
    const char* name = SDL_GameControllerName(setupPads[pad]);
    return name ? name : "?";
}

const char* shownButtonLabel(int button) {
    return shownButtons[button].label;
}

bool shownButtonHeld(int pad, int button) {
    return SDL_GameControllerGetButton(setupPads[pad], shownButtons[button].button) != 0;
}

int rumbleSetupPads() {
    int shaken = 0;
    for (SDL_GameController* pad : setupPads)
        if (SDL_GameControllerRumble(pad, 0xFFFF, 0xFFFF, 500) == 0)
            ++shaken;
    return shaken;
}
