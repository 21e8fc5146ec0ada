#include "tools/icon/glove_icon.h"

#include <algorithm>
#include <cmath>

namespace {

// Shapes live in a unit square, x to the right and y down.
struct Point {
    float x, y;
};

struct Ellipse {
    float centreX, centreY, radiusX, radiusY, tiltDegrees;
};

struct RoundedBox {
    float left, top, right, bottom, cornerRadius;
};

struct Colour {
    float r, g, b;
};

constexpr Ellipse fist{0.55f, 0.36f, 0.31f, 0.27f, -8.0f};
constexpr RoundedBox palm{0.30f, 0.34f, 0.80f, 0.76f, 0.13f};
constexpr Ellipse thumb{0.31f, 0.50f, 0.11f, 0.19f, 18.0f};
constexpr RoundedBox cuff{0.32f, 0.70f, 0.78f, 0.94f, 0.05f};
constexpr float cuffBandTop = 0.785f;
constexpr float cuffBandBottom = 0.845f;

// The dome each part is shaded as: its normals come from this ellipse seen as a half sphere.
constexpr Ellipse bodyDome{0.52f, 0.45f, 0.40f, 0.44f, 0.0f};
constexpr Ellipse thumbDome{0.29f, 0.48f, 0.16f, 0.26f, 18.0f};

constexpr float outlineWidth = 0.022f;
constexpr Colour outlineColour{0.22f, 0.02f, 0.02f};
constexpr Colour leatherColour{0.86f, 0.07f, 0.05f};
constexpr Colour cuffColour{0.95f, 0.94f, 0.90f};
constexpr float lightDirection[3] = {-0.45f, -0.55f, 0.70f}; // from the upper left, toward us
constexpr float ambient = 0.35f;
constexpr float shininess = 24.0f;
constexpr float highlightStrength = 0.55f;

constexpr int samplesPerAxis = 4; // 16 samples a pixel smooth the edges
constexpr float pi = 3.14159265f;

Point toEllipseFrame(Point p, const Ellipse& e) {
    const float angle = e.tiltDegrees * pi / 180.0f;
    const float dx = p.x - e.centreX;
    const float dy = p.y - e.centreY;
    return {(dx * std::cos(angle) + dy * std::sin(angle)) / e.radiusX,
            (-dx * std::sin(angle) + dy * std::cos(angle)) / e.radiusY};
}

// Close to the true signed distance near the edge, which is all the outline needs.
float ellipseDistance(Point p, const Ellipse& e) {
    const Point q = toEllipseFrame(p, e);
    const float k0 = std::hypot(q.x, q.y);
    const float k1 = std::hypot(q.x / e.radiusX, q.y / e.radiusY);
    if (k1 == 0.0f)
        return -std::min(e.radiusX, e.radiusY);
    return k0 * (k0 - 1.0f) / k1;
}

float boxDistance(Point p, const RoundedBox& b) {
    const float halfWidth = (b.right - b.left) / 2 - b.cornerRadius;
    const float halfHeight = (b.bottom - b.top) / 2 - b.cornerRadius;
    const float dx = std::fabs(p.x - (b.left + b.right) / 2) - halfWidth;
    const float dy = std::fabs(p.y - (b.top + b.bottom) / 2) - halfHeight;
    const float outside = std::hypot(std::max(dx, 0.0f), std::max(dy, 0.0f));
    return outside + std::min(std::max(dx, dy), 0.0f) - b.cornerRadius;
}

float lightLevel(float nx, float ny, float nz) {
    const float length =
        std::sqrt(lightDirection[0] * lightDirection[0] + lightDirection[1] * lightDirection[1] +
                  lightDirection[2] * lightDirection[2]);
    const float diffuse = std::max(
        0.0f, (nx * lightDirection[0] + ny * lightDirection[1] + nz * lightDirection[2]) / length);
    return ambient + (1.0f - ambient) * diffuse;
}

float highlight(float nx, float ny, float nz) {
    // Blinn's half vector between the light and a viewer straight in front.
    float hx = lightDirection[0], hy = lightDirection[1], hz = lightDirection[2] + 1.0f;
    const float length = std::sqrt(hx * hx + hy * hy + hz * hz);
    hx /= length;
    hy /= length;
    hz /= length;
    return highlightStrength * std::pow(std::max(0.0f, nx * hx + ny * hy + nz * hz), shininess);
}

Colour shadeOnDome(Point p, const Ellipse& dome, Colour base) {
    Point q = toEllipseFrame(p, dome);
    const float lengthSquared = q.x * q.x + q.y * q.y;
    if (lengthSquared > 1.0f) {
        const float length = std::sqrt(lengthSquared);
        q = {q.x / length, q.y / length};
    }
    const float nz = std::sqrt(std::max(0.0f, 1.0f - q.x * q.x - q.y * q.y));
    const float level = lightLevel(q.x, q.y, nz);
    const float shine = highlight(q.x, q.y, nz);
    return {std::min(1.0f, base.r * level + shine), std::min(1.0f, base.g * level + shine),
            std::min(1.0f, base.b * level + shine)};
}

// The cuff is a short cylinder standing up: it darkens only toward its sides.
Colour shadeCuff(Point p) {
    const float across = (p.x - (cuff.left + cuff.right) / 2) / ((cuff.right - cuff.left) / 2);
    const float nz = std::sqrt(std::max(0.0f, 1.0f - across * across));
    const bool inBand = p.y >= cuffBandTop && p.y <= cuffBandBottom;
    const Colour base = inBand ? leatherColour : cuffColour;
    const float level = lightLevel(across, 0.0f, nz);
    return {base.r * level, base.g * level, base.b * level};
}

// Paints the parts back to front; each part's outline covers what lies behind it.
bool sampleGlove(Point p, Colour& colour) {
    bool covered = false;
    const float bodyEdge = std::min(ellipseDistance(p, fist), boxDistance(p, palm));
    if (bodyEdge < 0.0f) {
        colour = bodyEdge > -outlineWidth ? outlineColour : shadeOnDome(p, bodyDome, leatherColour);
        covered = true;
    }
    const float thumbEdge = ellipseDistance(p, thumb);
    if (thumbEdge < 0.0f) {
        colour =
            thumbEdge > -outlineWidth ? outlineColour : shadeOnDome(p, thumbDome, leatherColour);
        covered = true;
    }
    const float cuffEdge = boxDistance(p, cuff);
    if (cuffEdge < 0.0f) {
        colour = cuffEdge > -outlineWidth ? outlineColour : shadeCuff(p);
        covered = true;
    }
    return covered;
}

std::uint8_t toByte(float value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

} // namespace

std::vector<std::uint8_t> drawGloveIcon(int size) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * size * 4, 0);
    constexpr float sampleCount = samplesPerAxis * samplesPerAxis;
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            float r = 0.0f, g = 0.0f, b = 0.0f, coverage = 0.0f;
            for (int sy = 0; sy < samplesPerAxis; ++sy) {
                for (int sx = 0; sx < samplesPerAxis; ++sx) {
                    const Point p{(column + (sx + 0.5f) / samplesPerAxis) / size,
                                  (row + (sy + 0.5f) / samplesPerAxis) / size};
                    Colour colour{};
                    if (!sampleGlove(p, colour))
                        continue;
                    r += colour.r;
                    g += colour.g;
                    b += colour.b;
                    coverage += 1.0f;
                }
            }
            if (coverage == 0.0f)
                continue;
            std::uint8_t* pixel = &pixels[(static_cast<std::size_t>(row) * size + column) * 4];
            pixel[0] = toByte(r / coverage);
            pixel[1] = toByte(g / coverage);
            pixel[2] = toByte(b / coverage);
            pixel[3] = toByte(coverage / sampleCount);
        }
    }
    return pixels;
}
