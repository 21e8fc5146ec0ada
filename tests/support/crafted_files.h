#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Image files with chosen header fields, written by the tests into a scratch folder.

inline std::filesystem::path scratchFolder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("ruko_" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline void putLittleEndian(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value,
                            int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A BMP header (file header and 40-byte info header); `pixels` follow it after `extraHeader`
// blank bytes, and the pixel offset field says where they are.
struct BmpFields {
    std::uint32_t width = 2;
    std::uint32_t height = 2;
    std::uint16_t planes = 1;
    std::uint16_t bitsPerPixel = 24;
    std::size_t extraHeader = 0;
};

inline std::vector<std::uint8_t> craftBmp(const BmpFields& f,
                                          const std::vector<std::uint8_t>& pixels) {
    std::vector<std::uint8_t> out(54 + f.extraHeader, 0);
    out[0] = 'B';
    out[1] = 'M';
    putLittleEndian(out, 2, static_cast<std::uint32_t>(out.size() + pixels.size()), 4);
    putLittleEndian(out, 10, static_cast<std::uint32_t>(54 + f.extraHeader), 4);
    putLittleEndian(out, 14, static_cast<std::uint32_t>(40 + f.extraHeader), 4);
    putLittleEndian(out, 18, f.width, 4);
    putLittleEndian(out, 22, f.height, 4);
    putLittleEndian(out, 26, f.planes, 2);
    putLittleEndian(out, 28, f.bitsPerPixel, 2);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

// A TGA header of 18 bytes, an image ID of `idLength` bytes, then `pixels`.
struct TgaFields {
    std::uint8_t colourMapType = 0;
    std::uint8_t imageType = 3;
    std::uint16_t width = 2;
    std::uint16_t height = 2;
    std::uint8_t bitsPerPixel = 8;
    std::uint8_t descriptor = 0;
    std::uint8_t idLength = 0;
};

inline std::vector<std::uint8_t> craftTga(const TgaFields& f,
                                          const std::vector<std::uint8_t>& pixels) {
    std::vector<std::uint8_t> out(18 + f.idLength, 0x5A);
    for (int i = 0; i < 18; ++i)
        out[static_cast<std::size_t>(i)] = 0;
    out[0] = f.idLength;
    out[1] = f.colourMapType;
    out[2] = f.imageType;
    putLittleEndian(out, 12, f.width, 2);
    putLittleEndian(out, 14, f.height, 2);
    out[16] = f.bitsPerPixel;
    out[17] = f.descriptor;
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}
