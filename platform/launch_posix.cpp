#include "platform/platform.h"

#include <cstdarg>
#include <cstdio>

// Nothing to do: the launcher chose the working directory, and the terminal or the desktop's
// log has the output.
void adoptLaunchConventions() {}

void reportDataProblem(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
}
