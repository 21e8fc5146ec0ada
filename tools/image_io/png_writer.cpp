#include "tools/image_io/png_writer.h"

#include <array>
#include <cstdio>

namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& body) {
    putBigEndian(out, static_cast<std::uint32_t>(body.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    out.insert(out.end(), typed.begin(), typed.end());
    putBigEndian(out, crc32(typed.data(), typed.size()));
}

// A zlib stream made of stored deflate blocks.
std::vector<std::uint8_t> storeZlib(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> out{0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t size = std::min<std::size_t>(65535, raw.size() - pos);
        const bool last = pos + size == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(size));
        out.push_back(static_cast<std::uint8_t>(size >> 8));
        out.push_back(static_cast<std::uint8_t>(~size));
        out.push_back(static_cast<std::uint8_t>(~size >> 8));
        out.insert(out.end(), raw.begin() + pos, raw.begin() + pos + size);
        pos += size;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBigEndian(out, (b << 16) | a);
    return out;
}

} // namespace

std::vector<std::uint8_t> encodePng(int width, int height, int channels,
                                    const std::vector<std::uint8_t>& pixels) {
    std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putBigEndian(header, static_cast<std::uint32_t>(width));
    putBigEndian(header, static_cast<std::uint32_t>(height));
    header.push_back(8);
    header.push_back(channels == 4 ? 6 : 2);
    header.push_back(0);
    header.push_back(0);
    header.push_back(0);
    putChunk(out, "IHDR", header);

    const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * height);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }
    putChunk(out, "IDAT", storeZlib(raw));
    putChunk(out, "IEND", {});
    return out;
}

bool writePng(const std::string& path, int width, int height, int channels,
              const std::vector<std::uint8_t>& pixels) {
    const std::vector<std::uint8_t> bytes = encodePng(width, height, channels, pixels);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
