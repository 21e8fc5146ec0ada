#include "tools/textures/pictures.h"

#include <cmath>

namespace {

constexpr int matSide = 512;
constexpr float apron = 34; // the coloured band round the canvas

void drawCornerMarks(Canvas& canvas, Rgb first, Rgb second) {
    const float s = static_cast<float>(matSide);
    const float m = 70;
    fillPolygon(canvas, {0, 0, m, 0, 0, m}, flat(first));
    fillPolygon(canvas, {s, s, s - m, s, s, s - m}, flat(first));
    fillPolygon(canvas, {s, 0, s - m, 0, s, m}, flat(second));
    fillPolygon(canvas, {0, s, m, s, 0, s - m}, flat(second));
}

// The mat's motto along its near and far edges.
void drawEdgeMotto(Canvas& canvas, const char* motto, float size, float tracking, Rgb colour) {
    Lettering band;
    band.size = size;
    band.tracking = tracking;
    band.fill = flat(colour);
    const float c = matSide / 2.0f;
    drawLettering(canvas, band, motto, c, matSide - 10);
    drawLettering(canvas, band, motto, c, 25);
}

void drawApron(Canvas& canvas, Rgb band, Rgb line) {
    const float s = static_cast<float>(matSide);
    const auto framed = [=](float x, float y) {
        return x < apron || y < apron || x > s - apron || y > s - apron;
    };
    paintRegion(canvas, 0, 0, s, s, framed,
                [=](float, float, Rgb under) { return mix(band, under, 0.25f); });
    const auto inner = [=](float x, float y) {
        const float d =
            std::fmin(std::fmin(x - apron, y - apron), std::fmin(s - apron - x, s - apron - y));
        return d >= 0 && d < 4;
    };
    paintRegion(canvas, 0, 0, s, s, inner, flat(line));
}

} // namespace

Picture drawFriendlyRingMat(const PictureWords& words) {
    Canvas canvas = makeCanvas(matSide, matSide);
    const float c = matSide / 2.0f;
    paintAll(canvas, wovenCanvas(hexColour(0xE8E0CA), 3.0f, 11));
    drawApron(canvas, hexColour(0xA3262A), hexColour(0xF4F0E4));
    drawCornerMarks(canvas, hexColour(0xC8282C), hexColour(0x24489A));

    // The club's badge: a gold ring round a red disc, two gloves and the name.
    fillEllipse(canvas, c + 4, c + 6, 162, 162, flat({0, 0, 0}, 0.25f));
    fillEllipse(canvas, c, c, 162, 162, roundLight(hexColour(0xC9962E), c, c, 162));
    fillEllipse(canvas, c, c, 146, 146, flat(hexColour(0x5A1214)));
    fillEllipse(canvas, c, c, 142, 142, roundLight(hexColour(0xB02A2C), c, c, 142));
    for (int i = 0; i < 24; ++i) {
        const float a = static_cast<float>(i) * 3.14159265f / 12;
        fillEllipse(canvas, c + 154 * std::cos(a), c + 154 * std::sin(a), 3, 3,
                    flat(hexColour(0x5A3A08)));
    }
    drawGlove(canvas, c - 70, c + 52, 110, hexColour(0x2D55B5), false);
    drawGlove(canvas, c + 70, c + 52, 110, hexColour(0xE8E4DA), true);

    Lettering title;
    title.font = sansBoldFont;
    title.size = 96;
    title.tracking = 4;
    title.fill = [](float, float y, Rgb) {
        return mix(hexColour(0xFFF4C8), hexColour(0xD9A232), std::fmin(1.0f, (y - 160) / 80));
    };
    title.outline = 4;
    title.outlineColour = hexColour(0x3A0A0A);
    title.shadowOffset = 4;
    drawLettering(canvas, title, "RUKO", c, c - 8);

    Lettering ring;
    ring.size = 24;
    ring.tracking = 3;
    ring.fill = flat(hexColour(0xF6EBD0));
    drawLettering(canvas, ring, words.boxingClub, c, c - 98);
    drawLettering(canvas, ring, words.friendly, c, c + 130);

    drawEdgeMotto(canvas, words.clubMotto, 19, 4, hexColour(0xF4F0E4));

    // Scuffs where the boxers turn.
    paintAll(canvas, [](float x, float y, Rgb under) {
        const float scuff = smoothNoise(x / 18.0f, y / 18.0f, 77);
        return scuff > 0.8f ? shadeBy(under, 1.0f - (scuff - 0.8f) * 0.6f) : under;
    });
    return {matSide, matSide, finishPicture(canvas)};
}

Picture drawCupRingMat(const PictureWords& words) {
    Canvas canvas = makeCanvas(matSide, matSide);
    const float c = matSide / 2.0f;
    paintAll(canvas, wovenCanvas(hexColour(0x1E3C7A), 3.0f, 23));
    drawApron(canvas, hexColour(0xE7E2D2), hexColour(0xD0A038));
    drawCornerMarks(canvas, hexColour(0xC8282C), hexColour(0xF0F0F0));

    // The cup's emblem: a ring of small stars round a large gold star.
    fillEllipse(canvas, c, c, 170, 170, flat(hexColour(0x132A5C)));
    fillEllipse(canvas, c, c, 170, 170, [=](float x, float y, Rgb under) {
        const float r = std::hypot(x - c, y - c);
        return (r > 160 && r < 166) ? hexColour(0xD9AE45) : under;
    });
    for (int i = 0; i < 16; ++i) {
        const float a = static_cast<float>(i) * 3.14159265f / 8;
        fillPolygon(canvas, starPoints(c + 145 * std::cos(a), c + 145 * std::sin(a), 9, 3.6f),
                    flat(hexColour(0xF3F0E6)));
    }
    fillPolygon(canvas, starPoints(c + 4, c + 8, 118, 48), flat({0, 0, 0}, 0.35f));
    fillPolygon(canvas, starPoints(c, c, 118, 48), roundLight(hexColour(0xD7A53A), c, c, 118));
    fillPolygon(canvas, starPoints(c, c, 100, 40), roundLight(hexColour(0xE8BE55), c, c, 100));

    Lettering name;
    name.size = 64;
    name.condense = 0.9f;
    name.tracking = 2;
    name.fill = verticalGradient(hexColour(0xFFFFFF), hexColour(0xC9D4EA), 300, 60);
    name.outline = 4;
    name.outlineColour = hexColour(0x0B1838);
    name.shadowOffset = 4;
    drawLettering(canvas, name, words.cupName[0], c, c - 48);
    drawLettering(canvas, name, words.cupName[1], c, c + 72);

    drawEdgeMotto(canvas, words.cupMotto, 20, 6, hexColour(0x1E3C7A));
    return {matSide, matSide, finishPicture(canvas)};
}
