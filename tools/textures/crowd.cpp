#include "tools/textures/pictures.h"

#include <cmath>

namespace {

constexpr int crowdWidth = 1024;
constexpr int crowdHeight = 512;
constexpr int rows = 16;
constexpr float rowDepth = static_cast<float>(crowdHeight) / rows;
constexpr float seatPitch = 19;
constexpr int seed = 101;

constexpr std::uint32_t shirtColours[] = {0xC0302C, 0x2A4E9C, 0xE8E4DA, 0x2E7A3C, 0xE0B030,
                                          0x3A3A44, 0x8C2A7A, 0xD06A28, 0x5A86C8, 0x6A4A30};
constexpr std::uint32_t skinColours[] = {0xF0C8A0, 0xD9A47A, 0xB07850, 0x7A4E30, 0xF4D4B8};
constexpr std::uint32_t hairColours[] = {0x2A1C12, 0x4A3020, 0x8A6A3A,
                                         0xD8C080, 0x1A1A1A, 0x9A9A9A};

template <typename T, std::size_t n> T pick(const T (&table)[n], float chance) {
    return table[static_cast<std::size_t>(chance * static_cast<float>(n)) % n];
}

// One spectator seated on the step whose front edge is at `seatY`, centred on `x`.
void drawSpectator(Canvas& canvas, float x, float seatY, int row, int place) {
    const auto chance = [&](int which) { return hashNoise(place, row * 16 + which, seed); };
    const float scale = 0.9f + 0.2f * chance(0);
    const Rgb shirt = hexColour(pick(shirtColours, chance(1)));
    const Rgb skin = hexColour(pick(skinColours, chance(2)));
    const Rgb hair = hexColour(pick(hairColours, chance(3)));
    const float shoulders = 8.5f * scale;
    const float bodyTop = seatY - 19 * scale;
    const float headY = bodyTop - 6.5f * scale;
    const bool cheering = chance(4) > 0.82f;
    const bool cap = chance(5) > 0.8f;

    if (cheering) {
        for (const float side : {-1.0f, 1.0f}) {
            const float handX = x + side * 11 * scale, handY = headY - 12 * scale;
            strokeLine(canvas, x + side * shoulders * 0.8f, bodyTop + 3, handX, handY, 3.5f * scale,
                       flat(shadeBy(shirt, 0.85f)));
            fillEllipse(canvas, handX, handY, 2.4f * scale, 2.4f * scale, flat(skin));
        }
    }
    fillRoundedRect(canvas, x - shoulders, bodyTop, x + shoulders, seatY + 2, 4 * scale,
                    roundLight(shirt, x, bodyTop + 8, 14 * scale));
    fillRect(canvas, x - 1.8f * scale, bodyTop - 2, x + 1.8f * scale, bodyTop + 2,
             flat(shadeBy(skin, 0.8f)));
    fillEllipse(canvas, x, headY, 5.2f * scale, 6.2f * scale,
                roundLight(skin, x, headY, 6.5f * scale));
    if (cap) {
        const Rgb capColour = hexColour(pick(shirtColours, chance(6)));
        fillEllipse(canvas, x, headY - 2.5f * scale, 5.6f * scale, 4 * scale, flat(capColour));
        fillRect(canvas, x - 5.8f * scale, headY - 2.6f * scale, x + 5.8f * scale,
                 headY - 1.4f * scale, flat(shadeBy(capColour, 0.7f)));
    } else {
        fillEllipse(canvas, x, headY - 3 * scale, 5.4f * scale, 3.6f * scale, flat(hair));
    }
}

void drawStep(Canvas& canvas, float top, float bottom) {
    // Concrete step with a lit nose, and a row of seat backs under the people.
    fillRect(canvas, 0, top, static_cast<float>(crowdWidth), bottom, [=](float x, float y, Rgb) {
        const float depth = (y - top) / (bottom - top);
        const float grit =
            0.9f + 0.1f * hashNoise(static_cast<int>(x), static_cast<int>(y), seed + 7);
        return shadeBy(hexColour(0x4A4A52), (0.55f + 0.45f * depth) * grit);
    });
    fillRect(canvas, 0, bottom - 3, static_cast<float>(crowdWidth), bottom,
             flat(hexColour(0x9A9AA2)));
}

} // namespace

Picture drawCrowd(const PictureWords& words) {
    Canvas canvas = makeCanvas(crowdWidth, crowdHeight);
    paintAll(canvas, flat(hexColour(0x2A2A30)));
    // From the back row (top of the picture) to the front one, each row hiding the next one up.
    for (int row = 0; row < rows; ++row) {
        const float top = static_cast<float>(row) * rowDepth;
        const float seatY = top + rowDepth - 4;
        drawStep(canvas, top, top + rowDepth);
        const float offset = (row % 2) * seatPitch / 2;
        int place = 0;
        for (float x = offset + seatPitch / 2; x < static_cast<float>(crowdWidth) + seatPitch;
             x += seatPitch, ++place) {
            const float jitter = (hashNoise(place, row, seed + 2) - 0.5f) * 5;
            const Rgb seatColour = row % 4 < 2 ? hexColour(0xA8282A) : hexColour(0x2A4A9A);
            fillRoundedRect(canvas, x - 7, seatY - 12, x + 7, seatY, 2,
                            roundLight(seatColour, x, seatY - 8, 9));
            if (hashNoise(place, row, seed + 3) > 0.1f)
                drawSpectator(canvas, x + jitter, seatY, row, place);
        }
    }
    // A supporters' banner in the stand.
    Lettering banner;
    banner.size = 22;
    banner.tracking = 2;
    banner.fill = flat(hexColour(0xFFE070));
    const float bannerY = 9 * rowDepth + 8;
    fillRect(canvas, 380, bannerY, 640, bannerY + 28, [](float x, float y, Rgb) {
        return shadeBy(hexColour(0xB0202A), 0.85f + 0.15f * std::sin(x * 0.15f + y * 0.05f));
    });
    drawLettering(canvas, banner, words.supporters, 510, bannerY + 22);
    return {crowdWidth, crowdHeight, finishPicture(canvas)};
}
