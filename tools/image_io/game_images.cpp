#include "tools/image_io/game_images.h"

#include <cstdio>

namespace {

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> encodeBmp24(int width, int height, const std::vector<std::uint8_t>& rgb) {
    const std::uint32_t rowBytes = static_cast<std::uint32_t>(width) * 3;
    const std::uint32_t paddedRowBytes = (rowBytes + 3) / 4 * 4;
    const std::uint32_t imageBytes = paddedRowBytes * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out;
    out.reserve(54 + imageBytes);
    out.push_back('B');
    out.push_back('M');
    putLittleEndian(out, 54 + imageBytes, 4);
    putLittleEndian(out, 0, 4);  // reserved
    putLittleEndian(out, 54, 4); // pixel data offset
    putLittleEndian(out, 40, 4); // info header size
    putLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(height), 4);
    putLittleEndian(out, 1, 2);  // planes
    putLittleEndian(out, 24, 2); // bits per pixel
    putLittleEndian(out, 0, 4);  // no compression
    putLittleEndian(out, imageBytes, 4);
    putLittleEndian(out, 2835, 4); // 72 dots per inch, both ways
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 0, 4); // colours used
    putLittleEndian(out, 0, 4); // important colours
    for (int row = height - 1; row >= 0; --row) {
        const std::size_t start = static_cast<std::size_t>(row) * rowBytes;
        for (std::uint32_t i = 0; i < rowBytes; i += 3) {
            out.push_back(rgb[start + i + 2]);
            out.push_back(rgb[start + i + 1]);
            out.push_back(rgb[start + i]);
        }
        for (std::uint32_t pad = rowBytes; pad < paddedRowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

std::vector<std::uint8_t> encodeGreyTga(int width, int height,
                                        const std::vector<std::uint8_t>& grey) {
    std::vector<std::uint8_t> out(18, 0);
    out[2] = 3; // uncompressed grey
    out[12] = static_cast<std::uint8_t>(width);
    out[13] = static_cast<std::uint8_t>(width >> 8);
    out[14] = static_cast<std::uint8_t>(height);
    out[15] = static_cast<std::uint8_t>(height >> 8);
    out[16] = 8;
    for (int row = height - 1; row >= 0; --row) {
        const auto start = grey.begin() + static_cast<std::ptrdiff_t>(row) * width;
        out.insert(out.end(), start, start + width);
    }
    return out;
}

bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
