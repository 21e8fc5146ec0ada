#pragma once

#include <string>
#include <vector>

// Text set with FreeType from the fonts of the Debian package fonts-dejavu-core, as coverage
// masks (0 to 1) that the pictures paint through.

inline constexpr char sansMonoBoldFont[] =
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
inline constexpr char sansBoldFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
inline constexpr char serifBoldFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";

// Coverage of one glyph or one line of text; `baseline` is the row of the baseline.
struct CoverageMask {
    int width = 0;
    int height = 0;
    int baseline = 0;
    std::vector<float> coverage; // top row first
    float at(int x, int y) const;
};

// Bitmap of one Latin-1 character at a pixel size, scaled each way; `left`/`top` place it from
// the pen, and `advance` is the pen's move.
struct GlyphBitmap {
    int width = 0;
    int rows = 0;
    int left = 0;
    int top = 0;
    int advance = 0;
    std::vector<unsigned char> grey;
};
GlyphBitmap renderGlyph(const char* fontPath, int pixelSize, unsigned char code,
                        float widthScale = 1.0f, float heightScale = 1.0f);

// A line of Latin-1 text at a pixel size; `condense` below 1 narrows the letters and
// `tracking` adds pixels between them.
CoverageMask setLine(const char* fontPath, int pixelSize, const std::string& text,
                     float condense = 1.0f, int tracking = 0);
