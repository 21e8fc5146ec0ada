// loadBmpImage on arbitrary files: a success hands over a buffer of width x height x 3 bytes
// (ASan checks its last byte exists), a failure hands over none.

#include "fuzz/memory_file.h"
#include "scene/bmp_loader.h"

#include <cstdio>
#include <cstdlib>

namespace {

volatile unsigned char lastByte;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The loader explains every refusal on standard output: millions of lines nobody reads.
    if (std::freopen("/dev/null", "w", stdout) == nullptr)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BmpImage image{};
    const int result = loadBmpImage(memoryFileWith(data, size), &image);
    if (result == 1) {
        const std::size_t bytes = static_cast<std::size_t>(image.width) * image.height * 3;
        if (image.pixels == nullptr || bytes == 0)
            std::abort();
        lastByte = image.pixels[bytes - 1];
    } else if (result != 0 || image.pixels != nullptr) {
        std::abort();
    }
    std::free(image.pixels);
    return 0;
}
