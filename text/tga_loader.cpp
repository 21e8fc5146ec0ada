#include "text/tga_loader.h"

#include <cstdlib>

GLenum tgaPixelFormat = GL_ALPHA;

namespace {

constexpr long tgaHeaderSize = 18;
constexpr long tgaSizeOffset = 12;
constexpr unsigned char tgaTrueColourType = 2;
constexpr unsigned char tgaGreyType = 3;
constexpr unsigned char tgaTopLeftOrigin = 0x20; // bit 5 of the image descriptor

// One block of pixelCount * bytesPerPixel bytes, or nullptr (nothing left allocated).
unsigned char* readPixelBlock(FILE* file, int pixelCount, int bytesPerPixel) {
    const size_t size = static_cast<size_t>(pixelCount) * bytesPerPixel;
    auto* pixels = static_cast<unsigned char*>(std::malloc(size));
    if (pixels == nullptr)
        return nullptr;
    if (std::fread(pixels, 1, size, file) != size) {
        std::free(pixels);
        return nullptr;
    }
    return pixels;
}

// TGA stores colour as B, G, R(, A): swap bytes 0 and 2 of every pixel.
void swapRedAndBlue(unsigned char* pixels, int pixelCount, int bytesPerPixel) {
    for (int i = 0; i < pixelCount; ++i) {
        unsigned char* pixel = pixels + static_cast<size_t>(i) * bytesPerPixel;
        const unsigned char blue = pixel[0];
        pixel[0] = pixel[2];
        pixel[2] = blue;
    }
}

void uploadTexture(GLuint texture, int width, int height, const unsigned char* pixels) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(tgaPixelFormat), width, height, 0,
                 tgaPixelFormat, GL_UNSIGNED_BYTE, pixels);
}

} // namespace

int isValidTextureSide(int n) {
    for (int side = 2; side <= 512; side *= 2) {
        if (n == side)
            return 1;
    }
    return 0;
}

unsigned char* readTgaPixels32(FILE* file, int pixelCount) {
    unsigned char* pixels = readPixelBlock(file, pixelCount, 4);
    if (pixels != nullptr)
        swapRedAndBlue(pixels, pixelCount, 4);
    tgaPixelFormat = GL_RGBA;
    return pixels;
}

unsigned char* readTgaPixels24(FILE* file, int pixelCount) {
    unsigned char* pixels = readPixelBlock(file, pixelCount, 3);
    if (pixels != nullptr)
        swapRedAndBlue(pixels, pixelCount, 3);
    tgaPixelFormat = GL_RGB;
    return pixels;
}

unsigned char* readTgaPixels8(FILE* file, int pixelCount) {
    tgaPixelFormat = GL_ALPHA;
    return readPixelBlock(file, pixelCount, 1);
}

unsigned char* readTgaPixels(FILE* file, int pixelCount, int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 32:
        return readTgaPixels32(file, pixelCount);
    case 24:
        return readTgaPixels24(file, pixelCount);
    case 8:
        return readTgaPixels8(file, pixelCount);
    default:
        return nullptr;
    }
}

void flipTgaRows(unsigned char* pixels, int width, int height, int bytesPerPixel) {
    const size_t rowSize = static_cast<size_t>(width) * bytesPerPixel;
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        unsigned char* a = pixels + top * rowSize;
        unsigned char* b = pixels + bottom * rowSize;
        for (size_t i = 0; i < rowSize; ++i) {
            const unsigned char kept = a[i];
            a[i] = b[i];
            b[i] = kept;
        }
    }
}

int loadTgaTexture(const char* path, GLuint texture) {
    // Read only: an installed font or a read-only checkout must still load.
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return tgaCannotOpen;
    unsigned char start[3] = {};
    unsigned char size[6] = {};
    const bool headerRead = std::fread(start, 1, sizeof start, file) == sizeof start &&
                            std::fseek(file, tgaSizeOffset, SEEK_SET) == 0 &&
                            std::fread(size, 1, sizeof size, file) == sizeof size;
    const unsigned char idLength = start[0];
    const unsigned char colourMapType = start[1];
    const unsigned char imageType = start[2];
    const int width = size[0] | size[1] << 8;
    const int height = size[2] | size[3] << 8;
    const int bitsPerPixel = size[4];
    const unsigned char descriptor = size[5];

    int result = tgaLoaded;
    if (!headerRead)
        result = tgaPixelsMissing;
    else if (colourMapType != 0 || (imageType != tgaTrueColourType && imageType != tgaGreyType))
        result = tgaWrongImageType;
    else if (!isValidTextureSide(width) || !isValidTextureSide(height))
        result = tgaWrongSide;
    else if (bitsPerPixel != 32 && bitsPerPixel != 24 && bitsPerPixel != 8)
        result = tgaWrongDepth;
    if (result != tgaLoaded) {
        std::fclose(file);
        return result;
    }

    unsigned char* pixels = nullptr;
    if (std::fseek(file, tgaHeaderSize + idLength, SEEK_SET) == 0)
        pixels = readTgaPixels(file, width * height, bitsPerPixel);
    std::fclose(file);
    if (pixels == nullptr)
        return tgaPixelsMissing;

    // GL wants the bottom row first, the TGA default; a top-left origin is turned over.
    if (descriptor & tgaTopLeftOrigin)
        flipTgaRows(pixels, width, height, bitsPerPixel / 8);
    uploadTexture(texture, width, height, pixels);
    std::free(pixels);
    return tgaLoaded;
}
