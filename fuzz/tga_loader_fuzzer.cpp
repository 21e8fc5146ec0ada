// loadTgaTexture on arbitrary files: every input either uploads a texture of the header's
// size with no GL error, or is refused with one of the loader's codes.

#include "fuzz/fuzz_window.h"
#include "fuzz/memory_file.h"
#include "text/tga_loader.h"

#include <cstdio>
#include <cstdlib>

namespace {

GLuint texture = 0;

bool isKnownResult(int result) {
    switch (result) {
    case tgaLoaded:
    case tgaWrongImageType:
    case tgaWrongSide:
    case tgaWrongDepth:
    case tgaPixelsMissing:
        return true;
    default:
        return false;
    }
}

// The width and height fields of the header, little-endian at bytes 12 to 15.
int headerSide(const std::uint8_t* data, int at) {
    return data[at] | data[at + 1] << 8;
}

void checkUploadedSize(const std::uint8_t* data) {
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    if (width != headerSide(data, 12) || height != headerSide(data, 14)) {
        std::fprintf(stderr, "uploaded %dx%d, header says %dx%d\n", width, height,
                     headerSide(data, 12), headerSide(data, 14));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    openFuzzWindow();
    glGenTextures(1, &texture);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int result = loadTgaTexture(memoryFileWith(data, size), texture);
    if (!isKnownResult(result)) {
        std::fprintf(stderr, "loadTgaTexture returned %d\n", result);
        std::abort();
    }
    abortOnGlError("loadTgaTexture");
    if (result == tgaLoaded)
        checkUploadedSize(data);
    return 0;
}
