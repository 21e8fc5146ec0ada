#include "platform/platform.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

// Locked before it is emptied: a second game must not cut the first one's recording short.
// The lock goes with the process, however it ends.
std::FILE* openOwnFile(const std::string& path, bool& taken) {
    taken = false;
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return nullptr;
    std::FILE* file = nullptr;
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0)
        taken = errno == EWOULDBLOCK;
    else if (ftruncate(descriptor, 0) == 0)
        file = fdopen(descriptor, "wb");
    if (!file) {
        const int error = errno;
        close(descriptor);
        errno = error;
    }
    return file;
}
