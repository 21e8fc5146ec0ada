// Preloaded (LD_PRELOAD) into a test: every lock asked of the file system is refused with
// ENOLCK, as on a network home whose lock service is not running.

#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>

extern "C" {

int flock(int, int) {
    errno = ENOLCK;
    return -1;
}

int fcntl(int descriptor, int command, ...) {
    va_list arguments;
    va_start(arguments, command);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    if (command == F_SETLK || command == F_SETLKW || command == F_OFD_SETLK ||
        command == F_OFD_SETLKW) {
        errno = ENOLCK;
        return -1;
    }
    using Fcntl = int (*)(int, int, ...);
    static const auto real = reinterpret_cast<Fcntl>(dlsym(RTLD_NEXT, "fcntl"));
    return real(descriptor, command, argument);
}
}
