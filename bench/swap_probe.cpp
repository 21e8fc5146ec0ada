// LD_PRELOAD probe of a GLUT program's frames. Environment:
//   RUKO_PROBE_SWAPS  swaps after which the process ends (unset: never)
//   RUKO_PROBE_OUT    the file written then: "<first swap, ns of CLOCK_MONOTONIC> <peak RSS, KiB>"
//   RUKO_PROBE_COUNT  a file that holds the number of swaps so far, rewritten at each swap
//                     (tools/memcheck.sh paces its keys by it)
//   RUKO_PROBE_LOG    a file that gets one SwapRecord (bench/swap_record.h) per swap: its time
//                     and, with RUKO_PROBE_HASH set, a hash of the frame it put on screen;
//                     RUKO_PROBE_HASH=sampled hashes every 16th word of the frame, read in
//                     the window's own byte order: a 1920x1080 frame in under a third of the time
//   RUKO_PROBE_KEY_LOG a file that gets the CLOCK_MONOTONIC time (ns, a long long) at which
//                     the program read each key press from X (XNextEvent), as GLUT's pass does
// The program's own glXSwapBuffers runs first, so a frame counts once it is on screen.

#include "bench/swap_record.h"

#include <GL/glx.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using SwapBuffers = void (*)(Display*, GLXDrawable);

constexpr std::size_t sampledStride = 16; // words: 32 pixels, narrower than any moving part

long long firstSwapNanoseconds = 0;
long swapsDone = 0;

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

// The back buffer about to be swapped, hashed a word in every `stride`: a frame is told from
// another by any pixel with 1, at a small fraction of a 640x480 frame's cost.
std::uint64_t frameHash(GLenum format, std::size_t stride) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    static std::vector<std::uint64_t> pixels;
    const std::size_t bytes = static_cast<std::size_t>(viewport[2]) * viewport[3] * 4;
    pixels.resize((bytes + 7) / 8);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(viewport[0], viewport[1], viewport[2], viewport[3], format, GL_UNSIGNED_BYTE,
                 pixels.data());
    std::uint64_t hash = 1469598103934665603ULL;
    for (std::size_t i = 0; i < pixels.size(); i += stride)
        hash = (hash ^ pixels[i]) * 1099511628211ULL;
    return hash;
}

void logSwap(long long swapNanoseconds, std::uint64_t hash) {
    static const char* path = std::getenv("RUKO_PROBE_LOG");
    static const int file = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0644) : -1;
    if (file < 0)
        return;
    const SwapRecord record{swapNanoseconds, hash};
    if (write(file, &record, sizeof record) != sizeof record)
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

extern "C" int XNextEvent(Display* display, XEvent* event) {
    using NextEvent = int (*)(Display*, XEvent*);
    static const auto realNext = reinterpret_cast<NextEvent>(dlsym(RTLD_NEXT, "XNextEvent"));
    static const char* path = std::getenv("RUKO_PROBE_KEY_LOG");
    static const int file = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0644) : -1;
    const int result = realNext(display, event);
    if (file >= 0 && event->type == KeyPress) {
        const long long now = monotonicNow();
        if (write(file, &now, sizeof now) != sizeof now)
            return result;
    }
    return result;
}

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static const auto realSwap = reinterpret_cast<SwapBuffers>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    static const char* hashing = std::getenv("RUKO_PROBE_HASH");
    static const bool sampled = hashing && std::strcmp(hashing, "sampled") == 0;
    const std::uint64_t hash = !hashing  ? 0
                               : sampled ? frameHash(GL_BGRA, sampledStride)
                                         : frameHash(GL_RGBA, 1);
    realSwap(display, drawable);
    const long long now = monotonicNow();
    if (++swapsDone == 1)
        firstSwapNanoseconds = now;
    writeSwapCount();
    logSwap(now, hash);
    static const char* wanted = std::getenv("RUKO_PROBE_SWAPS");
    if (wanted && swapsDone >= std::atol(wanted))
        reportAndExit();
}
