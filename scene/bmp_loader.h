#pragma once

#include <cstdint>

// Uncompressed 24-bit BMP images read into R, G, B pixel buffers.

struct BmpImage {
    std::uint32_t width;
    std::uint32_t height;
    unsigned char* pixels; // width * height * 3 bytes, R G B, bottom row first (malloc)
};

// Sides beyond this are refused before any allocation.
inline constexpr std::uint32_t maxBmpSide = 8192;

// Returns 1 with image->pixels filled, or 0 after saying why (reportDataProblem).
int loadBmpImage(const char* path, BmpImage* image);
