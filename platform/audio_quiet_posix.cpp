#include "platform/platform.h"

#include <dlfcn.h>

#include <cstdlib>

namespace {

// libasound's error handler, as its header declares it; the game does not link ALSA.
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int error,
                                  const char* format, ...);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void quietAudioLibraries() {
    if (std::getenv("ALSOFT_LOGLEVEL"))
        return;
    // OpenAL Soft reads it at its first call; 0 logs nothing.
    setenv("ALSOFT_LOGLEVEL", "0", 0);
    // OpenAL Soft loads libasound by this name and so shares this instance and its handler,
    // installed for good: the library stays loaded.
    void* alsa = dlopen("libasound.so.2", RTLD_NOW);
    if (!alsa)
        return;
    using SetHandler = int (*)(AlsaErrorHandler);
    const auto setHandler = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (setHandler)
        setHandler(ignoreAlsaError);
}
