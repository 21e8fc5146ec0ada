#include "tools/textures/pictures.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float pi = 3.14159265f;

} // namespace

Shader roundLight(Rgb base, float cx, float cy, float radius) {
    return [=](float x, float y, Rgb) {
        // Brightest a third of the way to the upper left, darkest at the lower right rim.
        const float hx = cx - radius * 0.35f, hy = cy - radius * 0.4f;
        const float d = std::hypot(x - hx, y - hy) / (radius * 1.6f);
        const float light = 1.25f - 0.75f * std::clamp(d, 0.0f, 1.0f);
        const float shine = std::max(0.0f, 1.0f - d * 5.0f);
        return mix(shadeBy(base, light), Rgb{1, 1, 1}, 0.5f * shine * shine);
    };
}

void drawGlove(Canvas& canvas, float cx, float cy, float size, Rgb leather, bool mirrored) {
    const float side = mirrored ? -1.0f : 1.0f;
    const Rgb dark = shadeBy(leather, 0.45f);
    // Cuff, laces and the padded fist, back to front.
    const float cuffX = cx - side * size * 0.42f;
    fillRoundedRect(canvas, cuffX - size * 0.2f, cy - size * 0.22f, cuffX + size * 0.2f,
                    cy + size * 0.3f, size * 0.06f,
                    roundLight(hexColour(0xF2EFE6), cuffX, cy, size * 0.3f));
    fillRect(canvas, cuffX - size * 0.2f, cy - size * 0.05f, cuffX + size * 0.2f, cy,
             flat(shadeBy(leather, 0.8f)));
    fillEllipse(canvas, cx + side * size * 0.06f, cy - size * 0.02f, size * 0.4f + size * 0.02f,
                size * 0.34f + size * 0.02f, flat(dark));
    fillEllipse(canvas, cx + side * size * 0.06f, cy - size * 0.02f, size * 0.4f, size * 0.34f,
                roundLight(leather, cx + side * size * 0.06f, cy - size * 0.02f, size * 0.4f));
    // The thumb along the lower side, with its seam.
    fillEllipse(canvas, cx + side * size * 0.02f, cy + size * 0.2f, size * 0.27f, size * 0.11f,
                flat(dark));
    fillEllipse(canvas, cx + side * size * 0.02f, cy + size * 0.19f, size * 0.25f, size * 0.09f,
                roundLight(shadeBy(leather, 0.9f), cx, cy + size * 0.19f, size * 0.25f));
    strokeLine(canvas, cx - side * size * 0.2f, cy - size * 0.22f, cx - side * size * 0.2f,
               cy + size * 0.2f, std::max(1.0f, size * 0.025f), flat(dark, 0.6f));
}

Shader wovenCanvas(Rgb base, float threadPitch, int seed) {
    return [=](float x, float y, Rgb) {
        const float warp = std::sin(x * 2 * pi / threadPitch);
        const float weft = std::sin(y * 2 * pi / threadPitch);
        const float thread = 0.96f + 0.04f * warp * weft;
        const float grain =
            0.97f + 0.06f * hashNoise(static_cast<int>(x), static_cast<int>(y), seed);
        const float stains = 0.92f + 0.08f * smoothNoise(x / 40.0f, y / 40.0f, seed + 1);
        return shadeBy(base, thread * grain * stains);
    };
}

std::vector<float> starPoints(float cx, float cy, float outer, float inner) {
    std::vector<float> xy;
    for (int i = 0; i < 10; ++i) {
        const float angle = -pi / 2 + static_cast<float>(i) * pi / 5;
        const float r = i % 2 == 0 ? outer : inner;
        xy.push_back(cx + r * std::cos(angle));
        xy.push_back(cy + r * std::sin(angle));
    }
    return xy;
}
