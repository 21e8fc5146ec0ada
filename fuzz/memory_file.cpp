#include "fuzz/memory_file.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

int memoryFile = -1;
char memoryFilePath[64];

void openMemoryFile() {
    memoryFile = memfd_create("fuzz_input", 0);
    if (memoryFile < 0) {
        std::perror("memfd_create");
        std::abort();
    }
    std::snprintf(memoryFilePath, sizeof memoryFilePath, "/proc/self/fd/%d", memoryFile);
}

} // namespace

const char* memoryFileWith(const std::uint8_t* data, std::size_t size) {
    if (memoryFile < 0)
        openMemoryFile();
    if (ftruncate(memoryFile, 0) != 0 ||
        pwrite(memoryFile, data, size, 0) != static_cast<ssize_t>(size)) {
        std::perror("memory file");
        std::abort();
    }
    return memoryFilePath;
}
