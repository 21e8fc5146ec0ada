// Writes Data/fontGray.tga: the game's 256 glyphs in a 16 x 16 grid, code 0 at the top left,
// white on a transparent ground, set in DejaVu Sans Mono Bold.
#include "tools/art/lettering.h"
#include "tools/image_io/game_images.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int gridSide = 16;
// 32-pixel cells: sharp up to the 50-pixel titles, still legible at 12 pixels.
constexpr int cellSide = 32;
constexpr int imageSide = gridSide * cellSide;
// Blank pixels kept round every glyph so linear filtering never picks up a neighbour.
constexpr int cellMargin = 1;
constexpr int room = cellSide - 2 * cellMargin;
// The game draws every glyph in a square and advances by the whole square: widened letters
// fill it instead of standing apart.
constexpr float glyphWidening = 1.3f;
constexpr float squeezeStep = 0.02f;

bool isDrawnCode(int code) {
    return (code >= 32 && code <= 126) || (code >= 160 && code <= 255);
}

struct Line {
    int pixelSize = 0;
    int ascent = 0;
    int descent = 0;
};

GlyphBitmap glyphOf(int pixelSize, int code, float heightScale = 1.0f) {
    return renderGlyph(sansMonoBoldFont, pixelSize, static_cast<unsigned char>(code), glyphWidening,
                       heightScale);
}

// The largest size at which every ASCII glyph fits a cell, and its line's extent.
Line asciiLine() {
    for (int size = cellSide; size > 1; --size) {
        Line line{size, 0, 0};
        int widest = 0;
        for (int code = 32; code <= 126; ++code) {
            const GlyphBitmap glyph = glyphOf(size, code);
            if (glyph.rows > 0) {
                line.ascent = std::max(line.ascent, glyph.top);
                line.descent = std::max(line.descent, glyph.rows - glyph.top);
            }
            widest = std::max({widest, glyph.advance, glyph.left + glyph.width});
        }
        if (line.ascent + line.descent <= room && widest <= room)
            return line;
    }
    return Line{1, 1, 0};
}

// Accented capitals reach above the ASCII line: they are made a little shorter to fit.
GlyphBitmap fittingGlyph(const Line& line, int code) {
    float heightScale = 1.0f;
    GlyphBitmap glyph = glyphOf(line.pixelSize, code);
    while (heightScale > squeezeStep &&
           (glyph.top > line.ascent || glyph.rows - glyph.top > line.descent)) {
        heightScale -= squeezeStep;
        glyph = glyphOf(line.pixelSize, code, heightScale);
    }
    return glyph;
}

} // namespace

int main(int argc, char** argv) {
    const std::string outputDir = argc > 1 ? argv[1] : "Data";
    const Line line = asciiLine();
    // One baseline for every cell, the line's height centred in the cell.
    const int baseline = (cellSide - (line.ascent + line.descent)) / 2 + line.ascent;
    std::vector<std::uint8_t> grey(static_cast<size_t>(imageSide) * imageSide, 0);
    for (int code = 0; code < 256; ++code) {
        if (!isDrawnCode(code))
            continue;
        const GlyphBitmap glyph = fittingGlyph(line, code);
        const int cellLeft = (code % gridSide) * cellSide;
        const int cellTop = (code / gridSide) * cellSide;
        const int pen = (cellSide - glyph.advance) / 2;
        for (int y = 0; y < glyph.rows; ++y) {
            for (int x = 0; x < glyph.width; ++x) {
                const int cx = pen + glyph.left + x;
                const int cy = baseline - glyph.top + y;
                if (cx < cellMargin || cx >= cellSide - cellMargin || cy < cellMargin ||
                    cy >= cellSide - cellMargin)
                    continue;
                grey[static_cast<size_t>(cellTop + cy) * imageSide + cellLeft + cx] =
                    glyph.grey[static_cast<size_t>(y) * glyph.width + x];
            }
        }
    }
    const std::string path = outputDir + "/fontGray.tga";
    if (!writeFileBytes(path, encodeGreyTga(imageSide, imageSide, grey))) {
        std::fprintf(stderr, "Cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
