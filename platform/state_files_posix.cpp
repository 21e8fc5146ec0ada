#include "platform/platform.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace {

// mkdir -p: every folder of the path that is missing.
bool makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

} // namespace

// A relative $XDG_STATE_HOME is to be ignored, as the other XDG base directories.
std::string lastReplayPath() {
    std::string folder;
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    if (state && state[0] == '/')
        folder = std::string(state) + "/ruko";
    else if (home && home[0] == '/')
        folder = std::string(home) + "/.local/state/ruko";
    if (folder.empty() || !makeFolders(folder))
        return {};
    return folder + "/last.replay";
}

std::FILE* openFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}
