#include "input/pad_list.h"

#include <SDL2/SDL.h>

#include <cstdio>

namespace {

constexpr char noPadHelp[] =
    "no pad found. If one is plugged in:\n"
    "  - this user may not read it: its /dev/input/event* file must be readable (often\n"
    "    by joining the group that owns it, such as input, or by a udev rule);\n"
    "  - it may be on Bluetooth and not paired, or need its own driver (xpad, hid-nintendo);\n"
    "  - SDL may not know it.\n";

constexpr char mappingHelp[] =
    "A pad SDL does not know does not play: give it a mapping with SDL_GAMECONTROLLERCONFIG set "
    "to\n"
    "a line of the form GUID,NAME,a:b0,b:b1,x:b2,y:b3,... (a tool such as SDL2's\n"
    "controllermap writes it), for instance in the shell's profile.\n";

} // namespace

int listPads() {
    if (SDL_Init(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "ruko: SDL's game controllers cannot start: %s\n", SDL_GetError());
        return 1;
    }
    const int count = SDL_NumJoysticks();
    bool unmapped = false;
    for (int i = 0; i < count; ++i) {
        const char* name = SDL_JoystickNameForIndex(i);
        if (SDL_IsGameController(i)) {
            std::printf("%s: mapped, plays\n", name ? name : "(no name)");
            continue;
        }
        char guid[33];
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(i), guid, sizeof guid);
        std::printf("%s: no mapping, does not play (GUID %s)\n", name ? name : "(no name)", guid);
        unmapped = true;
    }
    if (count <= 0)
        std::fputs(noPadHelp, stdout);
    if (count <= 0 || unmapped)
        std::fputs(mappingHelp, stdout);
    SDL_Quit();
    return 0;
}
