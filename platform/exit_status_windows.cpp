#include "platform/platform.h"

#include <cstdlib>

namespace {

void (*exitHandler)(int) = nullptr;

void callExitHandler() {
    exitHandler(EXIT_SUCCESS);
}

} // namespace

// Windows' C runtime gives an exit handler no status. Once sound has started the game ends by
// exit(0) (the player quits or closes the window): that is the status handed on, which the
// handler uses only to end the process itself when the device is stuck.
void atExitWithStatus(void (*handler)(int status)) {
    exitHandler = handler;
    std::atexit(callExitHandler);
}
