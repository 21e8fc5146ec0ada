#include "tools/icon/glove_icon.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

struct Rgba {
    int r, g, b, a;
};

Rgba pixelAt(const std::vector<std::uint8_t>& pixels, int size, float x, float y) {
    const int column = static_cast<int>(x * size);
    const int row = static_cast<int>(y * size);
    const std::uint8_t* p = &pixels[(static_cast<std::size_t>(row) * size + column) * 4];
    return {p[0], p[1], p[2], p[3]};
}

float coveredShare(const std::vector<std::uint8_t>& pixels) {
    double alphaSum = 0.0;
    for (std::size_t i = 3; i < pixels.size(); i += 4)
        alphaSum += pixels[i];
    return static_cast<float>(alphaSum / 255.0 / (pixels.size() / 4));
}

} // namespace

TEST(GloveIcon, RedLeatherAndWhiteCuff) {
    constexpr int size = 128;
    const std::vector<std::uint8_t> pixels = drawGloveIcon(size);
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size * 4));

    const Rgba fist = pixelAt(pixels, size, 0.60f, 0.30f);
    EXPECT_EQ(fist.a, 255);
    EXPECT_GT(fist.r, 2 * fist.g);
    EXPECT_GT(fist.r, 2 * fist.b);

    const Rgba cuff = pixelAt(pixels, size, 0.55f, 0.74f);
    EXPECT_EQ(cuff.a, 255);
    EXPECT_GT(cuff.g, 180);
    EXPECT_GT(cuff.b, 180);
}

TEST(GloveIcon, TransparentBorderSoNothingIsCutOff) {
    for (int size : {48, 128, 256}) {
        const std::vector<std::uint8_t> pixels = drawGloveIcon(size);
        for (int i = 0; i < size; ++i) {
            const std::size_t top = static_cast<std::size_t>(i) * 4 + 3;
            const std::size_t bottom = (static_cast<std::size_t>(size - 1) * size + i) * 4 + 3;
            const std::size_t left = static_cast<std::size_t>(i) * size * 4 + 3;
            const std::size_t right = (static_cast<std::size_t>(i) * size + size - 1) * 4 + 3;
            ASSERT_EQ(pixels[top] | pixels[bottom] | pixels[left] | pixels[right], 0)
                << "size " << size << ", index " << i;
        }
    }
}

TEST(GloveIcon, EverySizeShowsTheSameGlove) {
    const float small = coveredShare(drawGloveIcon(48));
    const float large = coveredShare(drawGloveIcon(256));
    EXPECT_GT(large, 0.3f);
    EXPECT_LT(large, 0.8f);
    EXPECT_NEAR(small, large, 0.02f);
}
