// Writes the game's icon at one size: make_icon SIZE OUTPUT.png
#include "tools/icon/glove_icon.h"
#include "tools/image_io/png_writer.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int smallestSize = 16;
constexpr int largestSize = 1024;

// The size in pixels, or 0 when the argument is not a whole number.
long parseSize(const char* text) {
    char* end = nullptr;
    const long size = std::strtol(text, &end, 10);
    return end != text && *end == '\0' ? size : 0;
}

} // namespace

int main(int argc, char** argv) {
    const long size = argc == 3 ? parseSize(argv[1]) : 0;
    if (size < smallestSize || size > largestSize) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.png (SIZE from %d to %d)\n", argv[0],
                     smallestSize, largestSize);
        return 2;
    }
    if (!writePng(argv[2], static_cast<int>(size), static_cast<int>(size), 4,
                  drawGloveIcon(static_cast<int>(size)))) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
