// Preloaded into the real game (LD_PRELOAD): every frame takes RUKO_SLOW_SWAP_MS milliseconds
// (default 40) longer, slept after the swap, as on a renderer too slow for 60 frames a second.
// With RUKO_SLOW_SWAP_LOG set, appends each swap's CLOCK_MONOTONIC time (ns), one a line.

#include <GL/glx.h>
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    using SwapBuffers = void (*)(Display*, GLXDrawable);
    static const auto realSwap = reinterpret_cast<SwapBuffers>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    static const char* delay = std::getenv("RUKO_SLOW_SWAP_MS");
    static const int milliseconds = delay ? std::atoi(delay) : 40;
    static const char* logPath = std::getenv("RUKO_SLOW_SWAP_LOG");
    static std::FILE* log = logPath ? std::fopen(logPath, "a") : nullptr;
    realSwap(display, drawable);
    if (log) {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::fprintf(log, "%lld\n",
                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(log);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
