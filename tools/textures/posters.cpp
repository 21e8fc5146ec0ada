#include "tools/textures/pictures.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int posterSide = 256;

// A boxer in guard, black against the light, facing right (or left when `mirrored`); `feet`
// is the point between the feet and `height` his height in pixels.
void drawBoxerSilhouette(Canvas& canvas, float feetX, float feetY, float height, bool mirrored,
                         Rgb rim) {
    const float u = height / 100.0f;
    const float s = mirrored ? -1.0f : 1.0f;
    const auto at = [&](float x, float y) {
        return std::vector<float>{feetX + s * x * u, feetY - y * u};
    };
    const Shader body = flat(hexColour(0x0C0806));
    const Shader edge = flat(rim);
    // The rim light: the same figure a little larger behind, towards the light.
    for (int pass = 0; pass < 2; ++pass) {
        const float grow = pass == 0 ? 1.2f * u : 0.0f;
        const Shader& paint = pass == 0 ? edge : body;
        const float shift = pass == 0 ? -s * 0.8f * u : 0.0f;
        strokeLine(canvas, feetX + shift + s * -12 * u, feetY, feetX + shift + s * -6 * u,
                   feetY - 45 * u, 9 * u + grow, paint);
        strokeLine(canvas, feetX + shift + s * 12 * u, feetY, feetX + shift + s * 5 * u,
                   feetY - 45 * u, 9 * u + grow, paint);
        std::vector<float> torso = {};
        for (const auto& p : {at(-12, 44), at(12, 44), at(15, 78), at(-13, 80)}) {
            torso.push_back(p[0] + shift);
            torso.push_back(p[1]);
        }
        fillPolygon(canvas, torso, paint);
        fillRect(canvas, std::min(at(-13, 52)[0], at(13, 52)[0]) + shift - grow,
                 feetY - 56 * u - grow, std::max(at(-13, 52)[0], at(13, 52)[0]) + shift + grow,
                 feetY - 40 * u, paint);
        fillEllipse(canvas, at(3, 88)[0] + shift, at(3, 88)[1], 7.5f * u + grow, 9 * u + grow,
                    paint);
        // Arms up in guard: upper arm, forearm, glove.
        strokeLine(canvas, at(-6, 76)[0] + shift, at(-6, 76)[1], at(8, 62)[0] + shift, at(8, 62)[1],
                   7 * u + grow, paint);
        strokeLine(canvas, at(8, 62)[0] + shift, at(8, 62)[1], at(22, 80)[0] + shift, at(22, 80)[1],
                   6 * u + grow, paint);
        fillEllipse(canvas, at(24, 82)[0] + shift, at(24, 82)[1], 7 * u + grow, 6.5f * u + grow,
                    paint);
        strokeLine(canvas, at(12, 76)[0] + shift, at(12, 76)[1], at(28, 70)[0] + shift,
                   at(28, 70)[1], 7 * u + grow, paint);
        strokeLine(canvas, at(28, 70)[0] + shift, at(28, 70)[1], at(36, 84)[0] + shift,
                   at(36, 84)[1], 6 * u + grow, paint);
        fillEllipse(canvas, at(38, 86)[0] + shift, at(38, 86)[1], 7 * u + grow, 6.5f * u + grow,
                    paint);
    }
}

} // namespace

Picture drawFightPoster(const PictureWords& words) {
    Canvas canvas = makeCanvas(posterSide, posterSide);
    const float s = static_cast<float>(posterSide);
    // A spotlight on a dark red ground.
    paintAll(canvas, [=](float x, float y, Rgb) {
        const float d = std::hypot((x - s / 2) / s, (y - s * 0.55f) / s);
        const Rgb ground =
            mix(hexColour(0xE0482A), hexColour(0x2A0505), std::clamp(d * 2.2f, 0.0f, 1.0f));
        return shadeBy(
            ground, 0.94f + 0.06f * hashNoise(static_cast<int>(x * 2), static_cast<int>(y * 2), 5));
    });
    // Light rays from the top.
    for (int i = 0; i < 7; ++i) {
        const float x = s * (0.1f + 0.13f * static_cast<float>(i));
        fillPolygon(canvas, {s / 2 - 6, 0, s / 2 + 6, 0, x + 10, s * 0.75f, x - 10, s * 0.75f},
                    flat(hexColour(0xFFD080), 0.07f));
    }
    fillRect(canvas, 0, s * 0.74f, s, s * 0.78f, flat(hexColour(0x1A0A05)));
    drawBoxerSilhouette(canvas, s * 0.3f, s * 0.75f, 112, false, hexColour(0xFFC060));
    drawBoxerSilhouette(canvas, s * 0.7f, s * 0.75f, 112, true, hexColour(0xFFC060));

    Lettering title;
    title.size = 38;
    title.condense = 0.62f;
    title.fill = [](float, float y, Rgb) {
        return mix(hexColour(0xFFF2A0), hexColour(0xF0A020), std::clamp((y - 14) / 30, 0.0f, 1.0f));
    };
    title.outline = 2;
    title.outlineColour = hexColour(0x200000);
    title.shadowOffset = 3;
    drawLettering(canvas, title, words.bigFight, s / 2, 44);

    Lettering names;
    names.size = 15;
    names.condense = 0.85f;
    names.fill = flat({1, 1, 1});
    names.outline = 1;
    names.outlineColour = hexColour(0x200000);
    drawLettering(canvas, names, "RADOV EZE", s * 0.22f, 76);
    drawLettering(canvas, names, "DIDA VUD", s * 0.78f, 76);
    Lettering versus = names;
    versus.size = 22;
    versus.fill = flat(hexColour(0xFFD040));
    drawLettering(canvas, versus, "VS", s / 2, 80);

    fillRect(canvas, 0, s * 0.8f, s, s, flat(hexColour(0x120404)));
    Lettering when;
    when.size = 17;
    when.condense = 0.85f;
    when.tracking = 1;
    when.fill = flat(hexColour(0xF4E6C0));
    drawLettering(canvas, when, words.fightWhen, s / 2, s * 0.8f + 22);
    Lettering small;
    small.size = 11;
    small.tracking = 1;
    small.fill = flat(hexColour(0xD08A50));
    drawLettering(canvas, small, words.fightTerms, s / 2, s - 10);
    return {posterSide, posterSide, finishPicture(canvas)};
}

Picture drawCupPoster(const PictureWords& words) {
    Canvas canvas = makeCanvas(posterSide, posterSide);
    const float s = static_cast<float>(posterSide);
    // Aged paper, darker towards the edges.
    paintAll(canvas, [=](float x, float y, Rgb) {
        const float edge = std::fmin(std::fmin(x, s - x), std::fmin(y, s - y)) / 30.0f;
        const float age = 0.86f + 0.14f * std::clamp(edge, 0.0f, 1.0f);
        const float blotch = 0.93f + 0.07f * smoothNoise(x / 16.0f, y / 16.0f, 9);
        return shadeBy(hexColour(0xEFE2C2), age * blotch);
    });
    fillRect(canvas, 0, 0, s, 58, [](float x, float y, Rgb) {
        return shadeBy(hexColour(0x1F3B7A), 0.9f + 0.1f * smoothNoise(x / 12.0f, y / 12.0f, 4));
    });
    fillRect(canvas, 0, 58, s, 62, flat(hexColour(0xC9962E)));
    Lettering cup;
    cup.font = serifBoldFont;
    cup.size = 27;
    cup.condense = 0.72f;
    cup.tracking = 1;
    cup.fill = flat(hexColour(0xF8F0DC));
    cup.shadowOffset = 2;
    drawLettering(canvas, cup, words.cup, s / 2, 40);

    // The emblem: a gold star behind a red glove.
    fillPolygon(canvas, starPoints(s / 2, 124, 56, 23),
                roundLight(hexColour(0xD9A53A), s / 2, 124, 56));
    drawGlove(canvas, s / 2 + 2, 126, 92, hexColour(0xC0262A), false);

    Lettering finale;
    finale.font = serifBoldFont;
    finale.size = 40;
    finale.tracking = 3;
    finale.fill = flat(hexColour(0x9E1C20));
    finale.outline = 1;
    finale.outlineColour = hexColour(0x3A0808);
    drawLettering(canvas, finale, words.final, s / 2, 208);
    Lettering names;
    names.size = 12;
    names.condense = 0.8f;
    names.fill = flat(hexColour(0x222222));
    drawLettering(canvas, names, words.finalists, s / 2, 228);
    fillRect(canvas, 0, s - 18, s, s, flat(hexColour(0x1F3B7A)));
    Lettering small;
    small.size = 10;
    small.tracking = 1;
    small.condense = 0.85f;
    small.fill = flat(hexColour(0xF8F0DC));
    drawLettering(canvas, small, words.cupWhen, s / 2, s - 5);
    return {posterSide, posterSide, finishPicture(canvas)};
}
