#include "tools/art/lettering.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

FT_Face faceFor(const char* fontPath) {
    static FT_Library library = nullptr;
    static std::map<std::string, FT_Face> faces;
    if (library == nullptr && FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "FreeType cannot start\n");
        std::exit(1);
    }
    auto found = faces.find(fontPath);
    if (found != faces.end())
        return found->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library, fontPath, 0, &face) != 0) {
        std::fprintf(stderr, "Cannot read the font %s (package fonts-dejavu-core)\n", fontPath);
        std::exit(1);
    }
    faces[fontPath] = face;
    return face;
}

GlyphBitmap renderScaledGlyph(const char* fontPath, int pixelSize, unsigned char code,
                              float widthScale, float heightScale) {
    FT_Face face = faceFor(fontPath);
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
    FT_Matrix scale = {static_cast<FT_Fixed>(widthScale * 65536.0f), 0, 0,
                       static_cast<FT_Fixed>(heightScale * 65536.0f)};
    FT_Set_Transform(face, &scale, nullptr);
    GlyphBitmap glyph;
    if (FT_Load_Char(face, code, FT_LOAD_RENDER) != 0)
        return glyph;
    const FT_GlyphSlot slot = face->glyph;
    glyph.width = static_cast<int>(slot->bitmap.width);
    glyph.rows = static_cast<int>(slot->bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    for (int y = 0; y < glyph.rows; ++y) {
        const unsigned char* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
        glyph.grey.insert(glyph.grey.end(), row, row + glyph.width);
    }
    return glyph;
}

} // namespace

float CoverageMask::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0.0f;
    return coverage[static_cast<size_t>(y) * width + x];
}

GlyphBitmap renderGlyph(const char* fontPath, int pixelSize, unsigned char code, float widthScale,
                        float heightScale) {
    return renderScaledGlyph(fontPath, pixelSize, code, widthScale, heightScale);
}

CoverageMask setLine(const char* fontPath, int pixelSize, const std::string& text, float condense,
                     int tracking) {
    std::vector<GlyphBitmap> glyphs;
    int ascent = 0;
    int descent = 0;
    int width = 0;
    for (const char c : text) {
        glyphs.push_back(
            renderScaledGlyph(fontPath, pixelSize, static_cast<unsigned char>(c), condense, 1.0f));
        const GlyphBitmap& glyph = glyphs.back();
        ascent = std::max(ascent, glyph.top);
        descent = std::max(descent, glyph.rows - glyph.top);
        width += glyph.advance + tracking;
    }
    CoverageMask mask;
    mask.width = std::max(1, width - tracking);
    mask.height = std::max(1, ascent + descent);
    mask.baseline = ascent;
    mask.coverage.assign(static_cast<size_t>(mask.width) * mask.height, 0.0f);
    int pen = 0;
    for (const GlyphBitmap& glyph : glyphs) {
        for (int y = 0; y < glyph.rows; ++y) {
            for (int x = 0; x < glyph.width; ++x) {
                const int mx = pen + glyph.left + x;
                const int my = ascent - glyph.top + y;
                if (mx < 0 || mx >= mask.width || my < 0 || my >= mask.height)
                    continue;
                float& cell = mask.coverage[static_cast<size_t>(my) * mask.width + mx];
                cell =
                    std::max(cell, glyph.grey[static_cast<size_t>(y) * glyph.width + x] / 255.0f);
            }
        }
        pen += glyph.advance + tracking;
    }
    return mask;
}
