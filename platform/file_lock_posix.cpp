#include "platform/platform.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

// flock, which a descriptor opened to read takes as well: a lock file another user made (a
// game once run as root) still locks. The lock goes with the descriptor.
FileLock::FileLock(const std::string& path)
    : handle(open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644)) {
    if (handle < 0)
        return;
    int locked;
    while ((locked = flock(static_cast<int>(handle), LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
        close(static_cast<int>(handle));
        handle = -1;
    }
}

FileLock::~FileLock() {
    if (handle >= 0)
        close(static_cast<int>(handle));
}
