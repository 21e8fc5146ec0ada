#include "scene/bmp_loader.h"

#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr long pixelOffsetField = 10;
constexpr long widthField = 18;
constexpr long headersEnd = 54; // 14-byte file header and 40-byte info header
constexpr int bytesPerPixel = 3;

bool readLittleEndian(FILE* file, int bytes, std::uint32_t* value) {
    unsigned char raw[4] = {};
    if (std::fread(raw, static_cast<size_t>(bytes), 1, file) != 1)
        return false;
    *value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        *value = *value << 8 | raw[i];
    return true;
}

// Where the pixels start: the header's offset, never inside the headers themselves.
long pixelDataOffset(FILE* file) {
    std::uint32_t offset = 0;
    if (std::fseek(file, pixelOffsetField, SEEK_SET) != 0 || !readLittleEndian(file, 4, &offset) ||
        offset < headersEnd)
        return headersEnd;
    return static_cast<long>(offset);
}

long fileSize(FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    return std::ftell(file);
}

// Rejects an empty side, a top-down (negative) height and anything beyond maxBmpSide, so the
// byte counts below cannot overflow.
bool isSupportedSide(std::uint32_t side) {
    return side != 0 && side <= maxBmpSide;
}

// Rows are stored padded to a multiple of 4 bytes; pack them one after the other, in place.
void packRows(unsigned char* pixels, size_t rowBytes, size_t paddedRowBytes, size_t rows) {
    for (size_t row = 1; row < rows; ++row) {
        const unsigned char* from = pixels + row * paddedRowBytes;
        unsigned char* to = pixels + row * rowBytes;
        for (size_t i = 0; i < rowBytes; ++i)
            to[i] = from[i];
    }
}

// B, G, R to R, G, B.
void swapRedAndBlue(unsigned char* pixels, size_t size) {
    for (size_t i = 0; i < size; i += bytesPerPixel) {
        const unsigned char blue = pixels[i];
        pixels[i] = pixels[i + 2];
        pixels[i + 2] = blue;
    }
}

int readBmpImage(FILE* file, const char* path, BmpImage* image) {
    const long pixelOffset = pixelDataOffset(file);
    std::fseek(file, widthField, SEEK_SET);
    if (!readLittleEndian(file, 4, &image->width) || !isSupportedSide(image->width)) {
        reportDataProblem("Error reading width from %s.\n", path);
        return 0;
    }
    if (!readLittleEndian(file, 4, &image->height) || !isSupportedSide(image->height)) {
        reportDataProblem("Error reading height from %s.\n", path);
        return 0;
    }
    const size_t rowBytes = static_cast<size_t>(image->width) * bytesPerPixel;
    const size_t paddedRowBytes = (rowBytes + 3) / 4 * 4;
    const size_t size = rowBytes * image->height;
    const size_t paddedSize = paddedRowBytes * image->height;

    std::uint32_t planes = 0;
    if (!readLittleEndian(file, 2, &planes)) {
        reportDataProblem("Error reading planes from %s.\n", path);
        return 0;
    }
    if (planes != 1) {
        reportDataProblem("Planes from %s is not 1: %u\n", path, planes);
        return 0;
    }
    std::uint32_t bitsPerPixel = 0;
    if (!readLittleEndian(file, 2, &bitsPerPixel)) {
        reportDataProblem("Error reading bpp from %s.\n", path);
        return 0;
    }
    if (bitsPerPixel != 24) {
        reportDataProblem("Bpp from %s is not 24: %u\n", path, bitsPerPixel);
        return 0;
    }
    // A short file that claims a large image is refused before its buffer is allocated.
    const long sizeOnDisk = fileSize(file);
    if (sizeOnDisk < pixelOffset ||
        static_cast<unsigned long>(sizeOnDisk - pixelOffset) < paddedSize) {
        reportDataProblem("Error reading image data from %s.\n", path);
        return 0;
    }

    image->pixels = static_cast<unsigned char*>(std::malloc(paddedSize));
    if (image->pixels == nullptr) {
        reportDataProblem("Error allocating memory for color-corrected image data");
        return 0;
    }
    if (std::fseek(file, pixelOffset, SEEK_SET) != 0 ||
        std::fread(image->pixels, paddedSize, 1, file) != 1) {
        reportDataProblem("Error reading image data from %s.\n", path);
        std::free(image->pixels);
        image->pixels = nullptr;
        return 0;
    }
    packRows(image->pixels, rowBytes, paddedRowBytes, image->height);
    swapRedAndBlue(image->pixels, size);
    return 1;
}

} // namespace

int loadBmpImage(const char* path, BmpImage* image) {
    image->pixels = nullptr;
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        reportDataProblem("File Not Found : %s\n", path);
        std::fflush(stdout);
        return 0;
    }
    const int result = readBmpImage(file, path, image);
    std::fclose(file);
    std::fflush(stdout);
    return result;
}
