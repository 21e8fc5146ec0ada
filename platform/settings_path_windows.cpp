#include "platform/platform.h"

#include <cstdlib>

std::string settingsFilePath() {
    const char* appData = std::getenv("APPDATA");
    if (appData && *appData)
        return std::string(appData) + "\\ruko\\ruko.conf";
    return {};
}
