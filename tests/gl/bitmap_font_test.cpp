#include "app/window.h"
#include "tests/support/gl_harness.h"
#include "text/bitmap_font.h"
#include "text/tga_loader.h"

#include <gtest/gtest.h>

namespace {

void expectCells(int rows, int columns) {
    for (int code = 0; code < 256; ++code) {
        EXPECT_FLOAT_EQ(glyphTable[code][0], static_cast<float>(code % columns) / columns) << code;
        EXPECT_FLOAT_EQ(glyphTable[code][1], 1.0f - static_cast<float>(code / columns + 1) / rows)
            << code;
    }
}

} // namespace

TEST(BitmapFont, GlyphTableHoldsTheCellOfEveryCode) {
    ASSERT_EQ(loadFont("Data/fontGray.tga"), tgaLoaded);
    EXPECT_EQ(fontRows, 16);
    EXPECT_EQ(fontColumns, 16);
    EXPECT_FLOAT_EQ(glyphWidthUV, 1.0f / 16);
    EXPECT_FLOAT_EQ(glyphHeightUV, 1.0f / 16);
    expectCells(16, 16);
    EXPECT_FLOAT_EQ(glyphTable[0][1], 15.0f / 16); // code 0 at the top left
    EXPECT_FLOAT_EQ(glyphTable[255][0], 15.0f / 16);
    EXPECT_FLOAT_EQ(glyphTable[255][1], 0.0f);

    const GLuint texture = fontTexture;
    EXPECT_EQ(loadFontGrid("Data/fontGray.tga", 10, 20), 0);
    EXPECT_EQ(fontTexture, texture);
    EXPECT_EQ(fontRows, 16);
    expectCells(16, 16);

    EXPECT_EQ(loadFontGrid("Data/fontGray.tga", 8, 32), tgaLoaded);
    EXPECT_EQ(fontColumns, 32);
    expectCells(8, 32);
    EXPECT_EQ(loadFont("Data/fontGray.tga"), tgaLoaded);
    expectCells(16, 16);
}

TEST(BitmapFont, SettersWriteTheStyleAndResetRestoresEveryDefault) {
    setFontSize(30);
    enableTextShadow();
    enableTextGradient();
    setTextClipBox(10, 200, 300, 50);
    EXPECT_EQ(clipOn, 1);
    EXPECT_EQ(clipBox[0], 10);
    EXPECT_EQ(clipBox[1], 150); // top minus height: the box's bottom
    EXPECT_EQ(clipBox[2], 300);
    EXPECT_EQ(clipBox[3], 50);

    const float three[3] = {0.1f, 0.2f, 0.3f};
    const float four[4] = {0.4f, 0.5f, 0.6f, 0.7f};
    setTextColor3fv(three);
    EXPECT_FLOAT_EQ(textColor[3], 1.0f);
    EXPECT_FLOAT_EQ(textColor[2], 0.3f);
    setTextColor4fv(four);
    EXPECT_FLOAT_EQ(textColor[3], 0.7f);
    setShadowColor4f(0.1f, 0.1f, 0.1f, 0.2f);
    EXPECT_FLOAT_EQ(shadowColor[3], 0.2f);
    setShadowColor3fv(three);
    EXPECT_FLOAT_EQ(shadowColor[3], 1.0f);
    setGradientColor4fv(four);
    EXPECT_FLOAT_EQ(gradientColor[0], 0.4f);
    setGradientColor3f(0, 1, 0);
    EXPECT_FLOAT_EQ(gradientColor[1], 1.0f);
    italicSlant = italicSlantPixels;
    boldOn = 1;

    resetTextStyle();
    EXPECT_EQ(fontSize, 12);
    EXPECT_EQ(shadowOn + gradientOn + clipOn + italicSlant + boldOn, 0);
    EXPECT_EQ(clipBox[0] | clipBox[1] | clipBox[2] | clipBox[3], 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(textColor[i], defaultTextColor[i]);
        EXPECT_FLOAT_EQ(shadowColor[i], defaultShadowColor[i]);
        EXPECT_FLOAT_EQ(gradientColor[i], defaultShadowColor[i]);
    }
}

TEST(BitmapFont, AGlyphIsOneSquareCounterClockwiseQuadOverItsCell) {
    resetGlState();
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, windowWidth, 0, windowHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    ASSERT_EQ(loadFont("Data/fontGray.tga"), tgaLoaded);
    // Culling stays on, as the screens leave it: a clockwise quad would vanish.
    const auto items = polygonsOf(captureFeedback([] { drawChar('A', 40, 50, 16); }));
    ASSERT_EQ(items.size(), 2u);
    const Bounds b = boundsOf(items);
    EXPECT_FLOAT_EQ(b.minX, 40);
    EXPECT_FLOAT_EQ(b.maxX, 56);
    EXPECT_FLOAT_EQ(b.minY, 50);
    EXPECT_FLOAT_EQ(b.maxY, 66);
    for (const FeedbackItem& item : items) {
        for (const FeedbackVertex& v : item.vertices) {
            EXPECT_FLOAT_EQ(v.s, glyphTable['A'][0] + (v.x > 40 ? glyphWidthUV : 0.0f));
            EXPECT_FLOAT_EQ(v.t, glyphTable['A'][1] + (v.y > 50 ? glyphHeightUV : 0.0f));
        }
    }
    resetGlState();
}
