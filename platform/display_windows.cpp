#include "platform/platform.h"

// Windows has its desktop, whoever started the game.
bool displayAvailable(const std::string&) {
    return true;
}
