#include "platform/platform.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Said once a game: every recording it starts lies on the same file system.
void sayUnlocked(const std::string& path, int error) {
    static bool said = false;
    if (said)
        return;
    said = true;
    std::fprintf(stderr,
                 "ruko: recording %s unlocked (%s): a second game started meanwhile would record "
                 "into it too\n",
                 path.c_str(), std::strerror(error));
}

} // namespace

// Locked before it is emptied: a second game must not cut the first one's recording short.
// The lock goes with the process, however it ends. Only a lock held elsewhere means another
// game: where the file system keeps none (a network home without its lock service), the game
// records all the same.
std::FILE* openOwnFile(const std::string& path, bool& taken) {
    taken = false;
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return nullptr;
    const int lockError = flock(descriptor, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
    std::FILE* file = nullptr;
    if (lockError == EWOULDBLOCK) {
        taken = true;
    } else {
        if (lockError != 0)
            sayUnlocked(path, lockError);
        if (ftruncate(descriptor, 0) == 0)
            file = fdopen(descriptor, "wb");
    }
    if (!file) {
        const int error = errno;
        close(descriptor);
        errno = error;
    }
    return file;
}
