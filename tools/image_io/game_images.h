#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The two file formats the game reads. Pixels are given top row first; both files are stored
// bottom-up, as the game's loaders expect.

// A 24-bit uncompressed BMP (54-byte header, rows padded to 4 bytes) from R, G, B pixels.
std::vector<std::uint8_t> encodeBmp24(int width, int height, const std::vector<std::uint8_t>& rgb);

// An 8-bit grey uncompressed TGA (image type 3, no image ID, lower-left origin).
std::vector<std::uint8_t> encodeGreyTga(int width, int height,
                                        const std::vector<std::uint8_t>& grey);

// Writes bytes to a file; false when it cannot be written.
bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
