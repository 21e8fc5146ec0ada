#include "platform/platform.h"

#include <cstdlib>

// The XDG base directories: a relative $XDG_CONFIG_HOME is to be ignored.
std::string settingsFilePath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return std::string(config) + "/ruko/ruko.conf";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config/ruko/ruko.conf";
    return {};
}
