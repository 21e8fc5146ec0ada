#pragma once

#include "tests/support/gl_harness.h"
#include "text/bitmap_font.h"

#include <algorithm>
#include <cmath>

#include <functional>
#include <string>
#include <vector>

// Glyph quads as text drawing sends them, rebuilt from the triangle pairs of feedback mode.
struct GlyphQuad {
    float left, bottom, right, top; // the lower edge's left and right, the upper edge's y
    float topLeft;                  // x of the upper edge's left corner (italic moves it)
    FeedbackVertex lowerLeft, upperLeft;
    int code; // the character whose cell the texture coordinates show, or -1
};

namespace glyph_quads_detail {

inline int codeOfCell(float s, float t) {
    for (int code = 0; code < 256; ++code) {
        if (std::fabs(glyphTable[code][0] - s) < 1e-4f &&
            std::fabs(glyphTable[code][1] - t) < 1e-4f)
            return code;
    }
    return -1;
}

inline GlyphQuad quadOf(const FeedbackItem& first, const FeedbackItem& second) {
    std::vector<FeedbackVertex> corners = first.vertices;
    corners.insert(corners.end(), second.vertices.begin(), second.vertices.end());
    float bottom = corners[0].y, top = corners[0].y;
    for (const FeedbackVertex& v : corners) {
        bottom = std::min(bottom, v.y);
        top = std::max(top, v.y);
    }
    GlyphQuad quad{};
    quad.left = quad.topLeft = 1e9f;
    quad.right = -1e9f;
    quad.bottom = bottom;
    quad.top = top;
    for (const FeedbackVertex& v : corners) {
        if (v.y == bottom && v.x < quad.left) {
            quad.left = v.x;
            quad.lowerLeft = v;
        }
        if (v.y == bottom)
            quad.right = std::max(quad.right, v.x);
        if (v.y == top && v.x < quad.topLeft) {
            quad.topLeft = v.x;
            quad.upperLeft = v;
        }
    }
    quad.code = codeOfCell(quad.lowerLeft.s, quad.lowerLeft.t);
    return quad;
}

} // namespace glyph_quads_detail

inline std::vector<GlyphQuad> captureGlyphQuads(const std::function<void()>& draw) {
    const std::vector<FeedbackItem> triangles = polygonsOf(captureFeedback(draw));
    std::vector<GlyphQuad> quads;
    for (std::size_t i = 0; i + 1 < triangles.size(); i += 2)
        quads.push_back(glyph_quads_detail::quadOf(triangles[i], triangles[i + 1]));
    return quads;
}

// The glyph quads a drawing prints in one colour, picked out of everything else drawn (shadows,
// figures, scenery) by that colour and by the text's depth, halfway, and the text they spell.
inline std::vector<GlyphQuad> glyphQuadsInColour(const std::function<void()>& draw, float r,
                                                 float g, float b) {
    std::vector<FeedbackItem> triangles;
    for (const FeedbackItem& item : polygonsOf(captureFeedback(draw)))
        if (std::all_of(item.vertices.begin(), item.vertices.end(), [&](const FeedbackVertex& v) {
                return std::fabs(v.r - r) + std::fabs(v.g - g) + std::fabs(v.b - b) < 1e-3f &&
                       std::fabs(v.z - 0.5f) < 1e-6f;
            }))
            triangles.push_back(item);
    std::vector<GlyphQuad> quads;
    for (std::size_t i = 0; i + 1 < triangles.size(); i += 2)
        quads.push_back(glyph_quads_detail::quadOf(triangles[i], triangles[i + 1]));
    return quads;
}

inline std::string textInColour(const std::function<void()>& draw, float r, float g, float b) {
    std::string text;
    for (const GlyphQuad& quad : glyphQuadsInColour(draw, r, g, b))
        text += static_cast<char>(quad.code);
    return text;
}
