#include "platform/platform.h"

#include <cstdlib>

// No ALSA here: OpenAL Soft's own log is all there is to quiet. It reads the variable at its
// first call, through the same C runtime. Under Wine with no sound card, Wine's ALSA driver
// complains through the Linux libasound, whose handler a Windows program cannot reach.
void quietAudioLibraries() {
    if (!std::getenv("ALSOFT_LOGLEVEL"))
        _putenv("ALSOFT_LOGLEVEL=0");
}
