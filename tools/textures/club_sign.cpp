#include "tools/textures/pictures.h"

#include <cmath>

namespace {

constexpr int signWidth = 512;
constexpr int signHeight = 256;
constexpr float frame = 18;

Shader woodGrain(Rgb base, int seed) {
    return [=](float x, float y, Rgb) {
        // Long wavy streaks along the planks, and the joints between them.
        const float wave = y + 6 * smoothNoise(x / 60.0f, y / 30.0f, seed);
        const float streak =
            0.5f + 0.5f * std::sin(wave * 0.9f + 3 * smoothNoise(x / 25.0f, y / 8.0f, seed + 1));
        const float plank = std::fmod(y, 64.0f) < 1.5f ? 0.55f : 1.0f;
        return shadeBy(
            base, (0.78f + 0.22f * streak) * plank *
                      (0.95f + 0.05f * hashNoise(static_cast<int>(x), static_cast<int>(y), seed)));
    };
}

void drawScrew(Canvas& canvas, float x, float y) {
    fillEllipse(canvas, x, y, 6, 6, roundLight(hexColour(0xB8B0A0), x, y, 6));
    strokeLine(canvas, x - 4, y - 4, x + 4, y + 4, 1.5f, flat(hexColour(0x40382C)));
}

} // namespace

Picture drawClubSign(const PictureWords& words) {
    Canvas canvas = makeCanvas(signWidth, signHeight);
    const float w = static_cast<float>(signWidth), h = static_cast<float>(signHeight);
    paintAll(canvas, woodGrain(hexColour(0x5A3418), 31));
    // A bevelled frame: lit from the top left, in shadow at the bottom right.
    paintAll(canvas, [=](float x, float y, Rgb under) {
        const float d = std::fmin(std::fmin(x, y), std::fmin(w - x, h - y));
        if (d >= frame)
            return d < frame + 3 ? shadeBy(under, 0.5f) : under;
        const bool lit = x < frame + (y < h / 2 ? y : h - y) || y < frame;
        const bool upperLeft = (x < w - frame && y < frame) || (x < frame && y < h - frame);
        return shadeBy(mix(under, hexColour(0x3A200C), 0.3f), upperLeft && lit ? 1.35f : 0.7f);
    });
    for (const float x : {frame / 2 + 2, w - frame / 2 - 2})
        for (const float y : {frame / 2 + 2, h - frame / 2 - 2})
            drawScrew(canvas, x, y);

    drawGlove(canvas, 62, 190, 64, hexColour(0xB8242A), false);
    drawGlove(canvas, w - 62, 190, 64, hexColour(0xB8242A), true);

    Lettering name;
    name.font = serifBoldFont;
    name.size = 104;
    name.tracking = 6;
    name.fill = verticalGradient(hexColour(0xFFEBA8), hexColour(0xB9801E), 40, 80);
    name.outline = 3;
    name.outlineColour = hexColour(0x2A1405);
    name.shadowOffset = 5;
    drawLettering(canvas, name, "RUKO", w / 2, 128);

    Lettering club;
    club.font = sansBoldFont;
    club.size = 34;
    club.tracking = 5;
    club.fill = flat(hexColour(0xF2E6CC));
    club.shadowOffset = 3;
    drawLettering(canvas, club, words.boxingClub, w / 2, 184);
    Lettering since;
    since.font = serifBoldFont;
    since.size = 18;
    since.tracking = 4;
    since.fill = flat(hexColour(0xD9B060));
    drawLettering(canvas, since, words.founded, w / 2, 220);
    return {signWidth, signHeight, finishPicture(canvas)};
}
