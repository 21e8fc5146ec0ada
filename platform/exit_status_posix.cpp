#include "platform/platform.h"

#include <cstdlib>

namespace {

void (*exitHandler)(int) = nullptr;

void callExitHandler(int status, void*) {
    exitHandler(status);
}

} // namespace

// glibc's on_exit: atexit with the status.
void atExitWithStatus(void (*handler)(int status)) {
    exitHandler = handler;
    on_exit(callExitHandler, nullptr);
}
