// LD_PRELOAD probe. Environment:
//   RUKO_PROBE_OUT    file to write "<first swap, ns of CLOCK_MONOTONIC> <peak RSS, KiB>" to
//   RUKO_PROBE_SWAPS  swaps after which the process ends (default 1)
// The program's own glXSwapBuffers runs first, so a frame counts once it is on screen.

#include <GL/glx.h>
#include <dlfcn.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

using SwapBuffers = void (*)(Display*, GLXDrawable);

long long firstSwapNanoseconds = 0;
long swapsDone = 0;

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void reportAndExit() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    if (const char* path = std::getenv("RUKO_PROBE_OUT")) {
        if (FILE* out = std::fopen(path, "w")) {
            std::fprintf(out, "%lld %ld\n", firstSwapNanoseconds, usage.ru_maxrss);
            std::fclose(out);
        }
    }
    _exit(0);
}

} // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static const auto realSwap = reinterpret_cast<SwapBuffers>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    realSwap(display, drawable);
    if (++swapsDone == 1)
        firstSwapNanoseconds = monotonicNanoseconds();
    const char* wanted = std::getenv("RUKO_PROBE_SWAPS");
    if (swapsDone >= (wanted ? std::atol(wanted) : 1))
        reportAndExit();
}
