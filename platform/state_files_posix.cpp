#include "platform/platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

// The game's state folder, made when missing; empty when there is none. A relative
// $XDG_STATE_HOME is to be ignored, as the other XDG base directories.
std::string stateFolder() {
    std::string folder;
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    if (state && state[0] == '/')
        folder = std::string(state) + "/ruko";
    else if (home && home[0] == '/')
        folder = std::string(home) + "/.local/state/ruko";
    if (folder.empty() || !makeFolders(folder))
        return {};
    return folder;
}

} // namespace

std::string lastReplayPath() {
    const std::string folder = stateFolder();
    return folder.empty() ? folder : folder + "/last.replay";
}

std::string challengeRecordsPath() {
    const std::string folder = stateFolder();
    return folder.empty() ? folder : folder + "/challenge-records.txt";
}

std::string circuitProgressPath() {
    const std::string folder = stateFolder();
    return folder.empty() ? folder : folder + "/circuit.txt";
}

// RENAME_NOREPLACE where the file system knows it; elsewhere a look first, which only a file
// made in the instant between could defeat.
bool renameToNewName(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
    struct stat status {};
    if (lstat(to.c_str(), &status) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

// O_EXCL: a file made meanwhile by another program is not emptied either.
std::FILE* createNewFile(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !makeFolders(path.substr(0, slash)))
        return nullptr;
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return nullptr;
    std::FILE* file = fdopen(descriptor, "w");
    if (!file) {
        const int error = errno;
        close(descriptor);
        errno = error;
    }
    return file;
}

std::FILE* openFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}
