#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes an 8-bit RGB or RGBA image as a PNG file (uncompressed deflate: small code, no zlib).
// Rows are given top row first. Returns false when the file cannot be written.
bool writePng(const std::string& path, int width, int height, int channels,
              const std::vector<std::uint8_t>& pixels);

// The same image as the bytes of a PNG file.
std::vector<std::uint8_t> encodePng(int width, int height, int channels,
                                    const std::vector<std::uint8_t>& pixels);
