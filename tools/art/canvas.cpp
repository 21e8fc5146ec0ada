#include "tools/art/canvas.h"

#include <algorithm>
#include <cmath>

Rgb mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb shadeBy(Rgb c, float factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

Rgb hexColour(std::uint32_t rgb) {
    return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f,
            static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
            static_cast<float>(rgb & 0xFF) / 255.0f};
}

Canvas makeCanvas(int width, int height, int fineness) {
    Canvas canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.fineness = fineness;
    canvas.fine.assign(static_cast<size_t>(width) * height * fineness * fineness, Rgb{0, 0, 0});
    return canvas;
}

std::vector<std::uint8_t> finishPicture(const Canvas& canvas) {
    const int f = canvas.fineness;
    const int fineWidth = canvas.width * f;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<size_t>(canvas.width) * canvas.height * 3);
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            Rgb sum{0, 0, 0};
            for (int j = 0; j < f; ++j) {
                for (int i = 0; i < f; ++i) {
                    const Rgb& c =
                        canvas.fine[static_cast<size_t>(y * f + j) * fineWidth + x * f + i];
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            }
            for (const float channel : {sum.r, sum.g, sum.b}) {
                const float value = std::clamp(channel / static_cast<float>(f * f), 0.0f, 1.0f);
                bytes.push_back(static_cast<std::uint8_t>(std::lround(value * 255.0f)));
            }
        }
    }
    return bytes;
}

void paintRegion(Canvas& canvas, float left, float top, float right, float bottom,
                 const Inside& inside, const Shader& shader) {
    const int f = canvas.fineness;
    const int fineWidth = canvas.width * f;
    const int x0 = std::max(0, static_cast<int>(std::floor(left * f)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top * f)));
    const int x1 = std::min(fineWidth, static_cast<int>(std::ceil(right * f)));
    const int y1 = std::min(canvas.height * f, static_cast<int>(std::ceil(bottom * f)));
    for (int j = y0; j < y1; ++j) {
        const float y = (static_cast<float>(j) + 0.5f) / static_cast<float>(f);
        for (int i = x0; i < x1; ++i) {
            const float x = (static_cast<float>(i) + 0.5f) / static_cast<float>(f);
            if (inside && !inside(x, y))
                continue;
            Rgb& pixel = canvas.fine[static_cast<size_t>(j) * fineWidth + i];
            pixel = shader(x, y, pixel);
        }
    }
}

void paintAll(Canvas& canvas, const Shader& shader) {
    paintRegion(canvas, 0, 0, static_cast<float>(canvas.width), static_cast<float>(canvas.height),
                nullptr, shader);
}

Shader flat(Rgb colour, float opacity) {
    return [colour, opacity](float, float, Rgb under) { return mix(under, colour, opacity); };
}

Shader verticalGradient(Rgb top, Rgb bottom, float fromY, float span) {
    return [top, bottom, fromY, span](float, float y, Rgb) {
        return mix(top, bottom, std::fmin(1.0f, std::fmax(0.0f, (y - fromY) / span)));
    };
}

void fillRect(Canvas& canvas, float left, float top, float right, float bottom, const Shader& s) {
    paintRegion(canvas, left, top, right, bottom, nullptr, s);
}

void fillEllipse(Canvas& canvas, float cx, float cy, float rx, float ry, const Shader& s) {
    paintRegion(
        canvas, cx - rx, cy - ry, cx + rx, cy + ry,
        [=](float x, float y) {
            const float dx = (x - cx) / rx, dy = (y - cy) / ry;
            return dx * dx + dy * dy <= 1.0f;
        },
        s);
}

void fillRoundedRect(Canvas& canvas, float left, float top, float right, float bottom, float radius,
                     const Shader& s) {
    paintRegion(
        canvas, left, top, right, bottom,
        [=](float x, float y) {
            const float dx = std::max({left + radius - x, 0.0f, x - (right - radius)});
            const float dy = std::max({top + radius - y, 0.0f, y - (bottom - radius)});
            return dx * dx + dy * dy <= radius * radius;
        },
        s);
}

void fillPolygon(Canvas& canvas, const std::vector<float>& xy, const Shader& s) {
    float left = xy[0], right = xy[0], top = xy[1], bottom = xy[1];
    for (size_t i = 0; i < xy.size(); i += 2) {
        left = std::min(left, xy[i]);
        right = std::max(right, xy[i]);
        top = std::min(top, xy[i + 1]);
        bottom = std::max(bottom, xy[i + 1]);
    }
    paintRegion(
        canvas, left, top, right, bottom,
        [&xy](float x, float y) {
            bool in = false;
            const size_t n = xy.size() / 2;
            for (size_t i = 0, j = n - 1; i < n; j = i++) {
                const float xi = xy[2 * i], yi = xy[2 * i + 1];
                const float xj = xy[2 * j], yj = xy[2 * j + 1];
                if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                    in = !in;
            }
            return in;
        },
        s);
}

void strokeLine(Canvas& canvas, float x1, float y1, float x2, float y2, float width,
                const Shader& s) {
    const float half = width / 2;
    const float dx = x2 - x1, dy = y2 - y1;
    const float lengthSquared = std::max(dx * dx + dy * dy, 1e-6f);
    paintRegion(
        canvas, std::min(x1, x2) - half, std::min(y1, y2) - half, std::max(x1, x2) + half,
        std::max(y1, y2) + half,
        [=](float x, float y) {
            const float t = std::clamp(((x - x1) * dx + (y - y1) * dy) / lengthSquared, 0.0f, 1.0f);
            const float ex = x - (x1 + t * dx), ey = y - (y1 + t * dy);
            return ex * ex + ey * ey <= half * half;
        },
        s);
}

float hashNoise(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

float smoothNoise(float x, float y, int seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float tx = x - fx, ty = y - fy;
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const float top =
        hashNoise(ix, iy, seed) + (hashNoise(ix + 1, iy, seed) - hashNoise(ix, iy, seed)) * sx;
    const float bottom = hashNoise(ix, iy + 1, seed) +
                         (hashNoise(ix + 1, iy + 1, seed) - hashNoise(ix, iy + 1, seed)) * sx;
    return top + (bottom - top) * sy;
}

namespace {

// The coverage grown by `radius` fine pixels, for outlines.
CoverageMask grow(const CoverageMask& mask, int radius) {
    CoverageMask grown;
    grown.width = mask.width + 2 * radius;
    grown.height = mask.height + 2 * radius;
    grown.baseline = mask.baseline + radius;
    grown.coverage.assign(static_cast<size_t>(grown.width) * grown.height, 0.0f);
    for (int y = 0; y < grown.height; ++y) {
        for (int x = 0; x < grown.width; ++x) {
            float best = 0.0f;
            for (int j = -radius; j <= radius && best < 1.0f; ++j) {
                for (int i = -radius; i <= radius; ++i) {
                    if (i * i + j * j <= radius * radius)
                        best = std::max(best, mask.at(x - radius + i, y - radius + j));
                }
            }
            grown.coverage[static_cast<size_t>(y) * grown.width + x] = best;
        }
    }
    return grown;
}

// Lays a coverage mask on the canvas: its left edge at fine column `fineLeft`, its baseline at
// fine row `fineBaseline`.
void paintMask(Canvas& canvas, const CoverageMask& mask, int fineLeft, int fineBaseline,
               const Shader& shader, float opacity) {
    const int f = canvas.fineness;
    const int fineWidth = canvas.width * f;
    const int fineHeight = canvas.height * f;
    for (int y = 0; y < mask.height; ++y) {
        const int j = fineBaseline - mask.baseline + y;
        if (j < 0 || j >= fineHeight)
            continue;
        for (int x = 0; x < mask.width; ++x) {
            const int i = fineLeft + x;
            const float cover = mask.at(x, y) * opacity;
            if (i < 0 || i >= fineWidth || cover <= 0.0f)
                continue;
            Rgb& pixel = canvas.fine[static_cast<size_t>(j) * fineWidth + i];
            const float px = (static_cast<float>(i) + 0.5f) / static_cast<float>(f);
            const float py = (static_cast<float>(j) + 0.5f) / static_cast<float>(f);
            pixel = mix(pixel, shader(px, py, pixel), cover);
        }
    }
}

} // namespace

void drawLettering(Canvas& canvas, const Lettering& style, const std::string& text, float centreX,
                   float baselineY) {
    const int f = canvas.fineness;
    const CoverageMask mask = setLine(
        style.font, static_cast<int>(std::lround(style.size * static_cast<float>(f))), text,
        style.condense, static_cast<int>(std::lround(style.tracking * static_cast<float>(f))));
    const int left =
        static_cast<int>(std::lround(centreX * static_cast<float>(f))) - mask.width / 2;
    const int baseline = static_cast<int>(std::lround(baselineY * static_cast<float>(f)));
    if (style.shadowOffset > 0.0f) {
        const int offset =
            static_cast<int>(std::lround(style.shadowOffset * static_cast<float>(f)));
        const int radius = static_cast<int>(std::lround(style.outline * static_cast<float>(f)));
        const CoverageMask shadow = radius > 0 ? grow(mask, radius) : mask;
        paintMask(canvas, shadow, left - radius + offset, baseline + offset, flat({0, 0, 0}),
                  style.shadowOpacity);
    }
    if (style.outline > 0.0f) {
        const int radius = static_cast<int>(std::lround(style.outline * static_cast<float>(f)));
        paintMask(canvas, grow(mask, radius), left - radius, baseline, flat(style.outlineColour),
                  1.0f);
    }
    paintMask(canvas, mask, left, baseline, style.fill, 1.0f);
}
