// Preloaded into the real game (LD_PRELOAD): when the game starts SDL, attaches a virtual game
// controller through SDL's own virtual joystick and plays the commands read, one a line, from
// the file or FIFO named by RUKO_PAD_SCRIPT:
//   press BUTTON | release BUTTON | tap BUTTON     SDL's names: a, b, x, back, dpup...
//   axis AXIS VALUE                                leftx, lefty, rightx, righty; -32768..32767
//   polls N                                        until the game has read its pads N times
//   wait MS | unplug | plug
// After each command it appends "done COMMAND" to RUKO_PAD_LOG, and "rumble LOW HIGH" for each
// rumble the game asks for. RUKO_PAD_FAIL=1 makes SDL's start fail instead.

#include <SDL2/SDL.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <mutex>
#include <thread>

namespace {

std::atomic<long> emptyPolls{0}; // SDL_PollEvent calls that found nothing: one a pad read
std::mutex logMutex;
std::FILE* logFile = nullptr;
int padIndex = -1;
SDL_Joystick* pad = nullptr;

void logLine(const char* line) {
    std::lock_guard<std::mutex> lock(logMutex);
    if (!logFile)
        return;
    std::fprintf(logFile, "%s\n", line);
    std::fflush(logFile);
}

int SDLCALL onRumble(void*, Uint16 low, Uint16 high) {
    char line[64];
    std::snprintf(line, sizeof line, "rumble %u %u", low, high);
    logLine(line);
    return 0;
}

void plug() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "RUKO test pad";
    desc.Rumble = onRumble;
    padIndex = SDL_JoystickAttachVirtualEx(&desc);
    pad = SDL_JoystickOpen(padIndex);
}

void unplug() {
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(padIndex);
    pad = nullptr;
}

void waitPolls(long count) {
    const long target = emptyPolls.load() + count;
    while (emptyPolls.load() < target)
        SDL_Delay(1);
}

void setButton(const char* name, Uint8 down) {
    SDL_JoystickSetVirtualButton(pad, SDL_GameControllerGetButtonFromString(name), down);
}

void play(const char* script) {
    std::FILE* in = std::fopen(script, "r");
    if (!in)
        return;
    char line[128];
    while (std::fgets(line, sizeof line, in)) {
        char command[32] = "", name[32] = "";
        int value = 0;
        std::sscanf(line, "%31s %31s %d", command, name, &value);
        if (!std::strcmp(command, "press") || !std::strcmp(command, "tap"))
            setButton(name, 1);
        if (!std::strcmp(command, "tap"))
            waitPolls(2);
        if (!std::strcmp(command, "release") || !std::strcmp(command, "tap"))
            setButton(name, 0);
        if (!std::strcmp(command, "tap"))
            waitPolls(2);
        if (!std::strcmp(command, "axis"))
            SDL_JoystickSetVirtualAxis(pad, SDL_GameControllerGetAxisFromString(name),
                                       static_cast<Sint16>(value));
        if (!std::strcmp(command, "polls"))
            waitPolls(std::atol(name));
        if (!std::strcmp(command, "wait"))
            SDL_Delay(static_cast<Uint32>(std::atol(name)));
        if (!std::strcmp(command, "unplug"))
            unplug();
        if (!std::strcmp(command, "plug")) {
            plug();
            waitPolls(2); // the game has taken it: a button held as it comes is no press
        }
        char done[160];
        line[std::strcspn(line, "\n")] = 0;
        std::snprintf(done, sizeof done, "done %s", line);
        logLine(done);
    }
    std::fclose(in);
}

} // namespace

extern "C" int SDL_Init(Uint32 flags) {
    if (const char* fail = std::getenv("RUKO_PAD_FAIL"); fail && !std::strcmp(fail, "1"))
        return SDL_SetError("the test pad refuses to start");
    const auto realInit = reinterpret_cast<int (*)(Uint32)>(dlsym(RTLD_NEXT, "SDL_Init"));
    const int status = realInit(flags);
    const char* script = std::getenv("RUKO_PAD_SCRIPT");
    if (status != 0 || !script)
        return status;
    if (const char* log = std::getenv("RUKO_PAD_LOG"))
        logFile = std::fopen(log, "a");
    plug();
    std::thread(play, script).detach();
    return status;
}

extern "C" int SDL_PollEvent(SDL_Event* event) {
    static const auto realPoll =
        reinterpret_cast<int (*)(SDL_Event*)>(dlsym(RTLD_NEXT, "SDL_PollEvent"));
    const int got = realPoll(event);
    if (!got)
        ++emptyPolls;
    return got;
}
