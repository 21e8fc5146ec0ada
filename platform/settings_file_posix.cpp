#include "platform/platform.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// O_NONBLOCK: opening a FIFO would otherwise wait for a writer.
std::FILE* openRegularFile(const std::string& path, bool& regular) {
    regular = true;
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat status {};
    int error = fstat(descriptor, &status) == 0 ? 0 : errno;
    if (!error && S_ISREG(status.st_mode)) {
        if (std::FILE* file = fdopen(descriptor, "rb"))
            return file;
        error = errno;
    }
    // A folder is told as reading it always told it.
    if (!error && S_ISDIR(status.st_mode))
        error = EISDIR;
    regular = error != 0;
    close(descriptor);
    errno = error;
    return nullptr;
}

void reportSettingsProblems(const std::string& lines) {
    std::fputs(lines.c_str(), stderr);
}

// The new file is flushed to the disk before the rename, or a crash of the system could leave
// the name on an empty file.
bool replaceFile(const std::string& path, const std::string& contents) {
    const std::string temporary = path + "." + std::to_string(getpid()) + ".new";
    unlink(temporary.c_str());
    std::FILE* file = createNewFile(temporary);
    if (!file)
        return false;
    bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size() &&
                   std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    int error = errno;
    written = std::fclose(file) == 0 && written;
    if (written && rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    error = written ? errno : error;
    unlink(temporary.c_str());
    errno = error;
    return false;
}
