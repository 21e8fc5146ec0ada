// LD_PRELOAD probe of a GLUT program's frames. Environment:
//   RUKO_PROBE_SWAPS  swaps after which the process ends (unset: never)
//   RUKO_PROBE_OUT    the file written then: "<first swap, ns of CLOCK_MONOTONIC> <peak RSS, KiB>"
//   RUKO_PROBE_COUNT  a file that holds the number of swaps so far, rewritten at each swap
//                     (tools/memcheck.sh paces its keys by it)
// The program's own glXSwapBuffers runs first, so a frame counts once it is on screen.

#include <GL/glx.h>
#include <dlfcn.h>
#include <fcntl.h>
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

void writeSwapCount() {
    static const char* path = std::getenv("RUKO_PROBE_COUNT");
    static const int file = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
    if (file < 0)
        return;
    char count[24];
    const int length = std::snprintf(count, sizeof count, "%ld\n", swapsDone);
    if (ftruncate(file, 0) != 0 || pwrite(file, count, static_cast<size_t>(length), 0) != length)
        return;
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
    writeSwapCount();
    static const char* wanted = std::getenv("RUKO_PROBE_SWAPS");
    if (wanted && swapsDone >= std::atol(wanted))
        reportAndExit();
}
