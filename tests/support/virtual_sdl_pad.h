#pragma once

#include <SDL2/SDL.h>

// SDL's own virtual game controller, attached in this process, every button and axis there,
// its rumbles handed to `rumble`. Its device index, or -1 (SDL_GetError says why).
inline int attachVirtualPad(int(SDLCALL* rumble)(void*, Uint16 low, Uint16 high)) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.Rumble = rumble;
    return SDL_JoystickAttachVirtualEx(&desc);
}
