#include "app/window.h"
#include "tests/support/gl_harness.h"
#include "tests/support/glyph_quads.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <string>

namespace {

class PrintText : public testing::Test {
  protected:
    void SetUp() override {
        static const int fontLoaded = loadFont("Data/fontGray.tga");
        ASSERT_EQ(fontLoaded, 1);
        resetGlState();
        resetTextStyle();
    }
};

void expectColour(const FeedbackVertex& v, const float* rgba) {
    EXPECT_FLOAT_EQ(v.r, rgba[0]);
    EXPECT_FLOAT_EQ(v.g, rgba[1]);
    EXPECT_FLOAT_EQ(v.b, rgba[2]);
    EXPECT_FLOAT_EQ(v.a, rgba[3]);
}

std::string codesOf(const std::vector<GlyphQuad>& quads) {
    std::string text;
    for (const GlyphQuad& quad : quads)
        text += static_cast<char>(quad.code);
    return text;
}

std::array<GLint, 4> scissorBox() {
    std::array<GLint, 4> box{};
    glGetIntegerv(GL_SCISSOR_BOX, box.data());
    return box;
}

} // namespace

TEST_F(PrintText, EscapesTakeNoRoomAndItalicSlantsTheUpperEdge) {
    const auto quads = captureGlyphQuads([] {
        setFontSize(20);
        printText(100, 200, "\\i+CHOISIR UN MODE DE JEUX\\i-");
    });
    ASSERT_EQ(quads.size(), 23u);
    EXPECT_EQ(codesOf(quads), "CHOISIR UN MODE DE JEUX");
    for (std::size_t i = 0; i < quads.size(); ++i) {
        EXPECT_FLOAT_EQ(quads[i].left, 100.0f + 20.0f * i) << i;
        EXPECT_FLOAT_EQ(quads[i].right, quads[i].left + 20.0f);
        EXPECT_FLOAT_EQ(quads[i].bottom, 200.0f);
        EXPECT_FLOAT_EQ(quads[i].top, 220.0f);
        EXPECT_FLOAT_EQ(quads[i].topLeft, quads[i].left + 8.0f);
    }
    EXPECT_FLOAT_EQ(quads.back().left, 100.0f + 22 * 20);
    // The walk's scissor box: from the top of the line down, one advance per character.
    EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{100, 200, 20 * 29, 20}));
}

TEST_F(PrintText, FormatsLikePrintfAndCutsAt1023Characters) {
    auto quads = captureGlyphQuads([] { printText(0, 0, "POINT = %d", 7); });
    EXPECT_EQ(codesOf(quads), "POINT = 7");
    EXPECT_FLOAT_EQ(quads[8].left, 8 * 12.0f);

    const std::string longText(3000, 'W');
    captureGlyphQuads([&] {
        setFontSize(2);
        printText(0, 0, "%s", longText.c_str());
    });
    EXPECT_EQ(scissorBox()[2], 2 * 1023);
}

TEST_F(PrintText, ShadowAndBoldDrawThreeQuadsInOrder) {
    const float shadow[4] = {0.25f, 0.5f, 0.75f, 1.0f};
    const float text[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    auto quads = captureGlyphQuads([&] {
        setFontSize(16);
        enableTextShadow();
        setShadowColor3f(0.25f, 0.5f, 0.75f);
        setTextColor3f(1, 0, 0);
        printText(50, 60, "A\\b+B");
    });
    ASSERT_EQ(quads.size(), 5u);
    // A: shadow one right and one up, then the glyph.
    EXPECT_FLOAT_EQ(quads[0].left, 51);
    EXPECT_FLOAT_EQ(quads[0].bottom, 61);
    expectColour(quads[0].lowerLeft, shadow);
    expectColour(quads[0].upperLeft, shadow);
    EXPECT_FLOAT_EQ(quads[1].left, 50);
    EXPECT_FLOAT_EQ(quads[1].bottom, 60);
    expectColour(quads[1].lowerLeft, text);
    // B in bold: shadow two right, then the glyph and its copy one pixel right.
    EXPECT_FLOAT_EQ(quads[2].left, 66 + 2);
    EXPECT_FLOAT_EQ(quads[2].bottom, 61);
    expectColour(quads[2].lowerLeft, shadow);
    EXPECT_FLOAT_EQ(quads[3].left, 66);
    EXPECT_FLOAT_EQ(quads[4].left, 67);
    EXPECT_FLOAT_EQ(quads[4].bottom, 60);
    expectColour(quads[4].upperLeft, text);
    for (const GlyphQuad& quad : quads)
        EXPECT_EQ(quad.code, quad.left < 66 ? 'A' : 'B');
}

TEST_F(PrintText, GradientShadesTheLowerEdgeOfTheMainGlyphOnly) {
    const float lower[4] = {0.0f, 0.0f, 1.0f, 1.0f};
    const float upper[4] = {1.0f, 1.0f, 0.0f, 0.5f};
    auto quads = captureGlyphQuads([] {
        enableTextGradient();
        enableTextShadow();
        setGradientColor3f(0, 0, 1);
        setTextColor4f(1, 1, 0, 0.5f);
        printText(10, 10, "G");
    });
    ASSERT_EQ(quads.size(), 2u);
    expectColour(quads[0].lowerLeft, defaultShadowColor);
    expectColour(quads[0].upperLeft, defaultShadowColor);
    expectColour(quads[1].lowerLeft, lower);
    expectColour(quads[1].upperLeft, upper);
}

TEST_F(PrintText, TabsAndNewlines) {
    auto quads = captureGlyphQuads([] {
        setFontSize(10);
        printText(30, 300, "A\tB\nC\nDE");
    });
    ASSERT_EQ(codesOf(quads), "ABCDE");
    EXPECT_FLOAT_EQ(quads[1].left, 30 + 10 + 5 * 10); // the tab moves the pen five advances
    EXPECT_FLOAT_EQ(quads[1].bottom, 300);
    EXPECT_FLOAT_EQ(quads[2].left, 30);
    EXPECT_FLOAT_EQ(quads[2].bottom, 290);
    EXPECT_FLOAT_EQ(quads[3].left, 30);
    EXPECT_FLOAT_EQ(quads[3].bottom, 280);
    EXPECT_FLOAT_EQ(quads[4].left, 40);
    // Two newlines, one tab: three lines high, four times as wide.
    EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{30, 280, 10 * 8 * 4, 30}));
}

TEST_F(PrintText, ColourEscapesLastUntilTheEndOfThePrint) {
    const float red[4] = {1, 0, 0, 1};
    const float halfGreen[4] = {0, 1, 0, 128 / 255.0f};
    auto quads = captureGlyphQuads([] { printText(0, 0, "\\c(255 0 0)AB\\a( 0 255  0 128)C"); });
    ASSERT_EQ(codesOf(quads), "ABC");
    expectColour(quads[0].lowerLeft, red);
    expectColour(quads[1].upperLeft, red);
    expectColour(quads[2].lowerLeft, halfGreen);
    EXPECT_FLOAT_EQ(quads[2].left, 24);
    EXPECT_FLOAT_EQ(shadowColor[0], defaultShadowColor[0]); // never the shadow's colour

    quads = captureGlyphQuads([] { printText(0, 0, "D"); });
    expectColour(quads[0].lowerLeft, defaultTextColor);
}

TEST_F(PrintText, BackslashesAndInvalidEscapesAreDrawnLiterally) {
    EXPECT_EQ(codesOf(captureGlyphQuads([] { printText(0, 0, "a\\zb"); })), "a\\zb");
    EXPECT_EQ(codesOf(captureGlyphQuads([] { printText(0, 0, "ab\\"); })), "ab");
    EXPECT_EQ(codesOf(captureGlyphQuads([] { printText(0, 0, "\\ix\\b"); })), "\\ix\\b");
    EXPECT_EQ(codesOf(captureGlyphQuads([] { printText(0, 0, "\\c(1 2)Z\\a(1 2 3)"); })),
              "\\c(1 2)Z\\a(1 2 3)");
    EXPECT_EQ(codesOf(captureGlyphQuads([] { printText(0, 0, "\\i"); })), "\\i");
    const auto quads = captureGlyphQuads([] { printText(0, 0, "\\b+\\bX"); });
    ASSERT_EQ(codesOf(quads), "\\\\bbXX"); // bold on: every glyph twice
    EXPECT_NEAR(quads[2].left, 12, 1e-3);  // the literal escape took its two advances

    // A colour escape without its ")" sets the colour and ends the walk.
    const float blue[4] = {0, 0, 1, 1};
    const auto cut = captureGlyphQuads([] { printText(0, 0, "Q\\c(0 0 255"); });
    ASSERT_EQ(codesOf(cut), "Q");
    EXPECT_FLOAT_EQ(textColor[2], defaultTextColor[2]);
    int penX = 0, penY = 0;
    EXPECT_EQ(parseEscape("\\c(0 0 255", &penX, &penY), 9); // lands on the last character
    expectColour(captureGlyphQuads([] { printText(0, 0, "\\c(0 0 255)R"); })[0].lowerLeft, blue);
}

TEST_F(PrintText, ClipBoxWrapsAndStops) {
    auto quads = captureGlyphQuads([] {
        setFontSize(20);
        setTextClipBox(10, 100, 60, 40);
        printText(300, 300, "ABCDEFG\nH");
    });
    ASSERT_EQ(codesOf(quads), "ABCDEF");
    const float expected[6][2] = {{10, 80}, {30, 80}, {50, 80}, {10, 60}, {30, 60}, {50, 60}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(quads[i].left, expected[i][0]) << i;
        EXPECT_FLOAT_EQ(quads[i].bottom, expected[i][1]) << i;
    }
    EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{10, 60, 60, 40}));

    // A newline goes back to the x given to printText, even inside a clip box.
    quads = captureGlyphQuads([] {
        setFontSize(20);
        setTextClipBox(0, 200, 400, 100);
        printText(40, 0, "A\nB");
    });
    ASSERT_EQ(codesOf(quads), "AB");
    EXPECT_FLOAT_EQ(quads[1].left, 40);
    EXPECT_FLOAT_EQ(quads[1].bottom, 160);
}

TEST_F(PrintText, TheWalkStopsPastTheViewportsRightEdge) {
    // Glyphs start at 0, 20 ... 640; the one on the edge itself is still walked (its colour
    // escape applies), the next position is not.
    const auto lastColour = [](int letters) {
        printText(0, 100, "%s\\c(0 255 0)M", std::string(letters, 'M').c_str());
        std::array<float, 4> colour{};
        glGetFloatv(GL_CURRENT_COLOR, colour.data());
        return colour[0];
    };
    setFontSize(20);
    EXPECT_EQ(lastColour(32), 0.0f);
    setFontSize(20);
    EXPECT_EQ(lastColour(33), 1.0f);
    const auto quads = captureGlyphQuads([] {
        setFontSize(20);
        printText(0, 100, "%s", std::string(40, 'M').c_str());
    });
    ASSERT_EQ(quads.size(), 32u); // the 33rd lies wholly past the edge
    EXPECT_FLOAT_EQ(quads.back().left, 620);
}

TEST_F(PrintText, GlStateComesBackAndTheStyleIsReset) {
    glPolygonMode(GL_FRONT, GL_LINE);
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_ONE, GL_ONE);
    glMatrixMode(GL_TEXTURE);
    const auto items = captureFeedback([] {
        setFontSize(30);
        enableTextShadow();
        setTextColor3f(1, 0, 0);
        printText(0, 0, "\\b+\\i+W");
    });
    EXPECT_EQ(polygonsOf(items).size(), items.size()); // filled, no outlines
    EXPECT_EQ(items.size(), 6u);

    GLint modes[2], matrixMode, source, destination;
    glGetIntegerv(GL_POLYGON_MODE, modes);
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(modes[0], GL_LINE);
    EXPECT_EQ(modes[1], GL_FILL);
    EXPECT_EQ(matrixMode, GL_TEXTURE);
    EXPECT_EQ(source, GL_ONE);
    EXPECT_EQ(destination, GL_ONE);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_LIGHTING);

    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_SCISSOR_TEST);
    glEnable(GL_BLEND);
    printText(0, 0, "x");
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(currentMatrix(GL_PROJECTION_MATRIX)[0], 1.0f); // both matrices popped
    EXPECT_EQ(currentMatrix(GL_MODELVIEW_MATRIX)[0], 1.0f);

    EXPECT_EQ(fontSize, defaultFontSize);
    EXPECT_EQ(shadowOn, 0);
    EXPECT_EQ(boldOn, 0);
    EXPECT_EQ(italicSlant, 0);
    EXPECT_FLOAT_EQ(textColor[1], 1.0f);
}

TEST_F(PrintText, EverySizeTheGameUsesReadsOnScreen) {
    glClearColor(0.1f, 0.15f, 0.3f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const int sizes[] = {12, 14, 16, 20, 30, 50};
    int y = windowHeight - 20;
    for (const int size : sizes) {
        y -= size + 12;
        setFontSize(size);
        enableTextShadow();
        setShadowColor3f(0, 0, 0);
        printText(10, y,
                  "%d: POINT = 7 \\c(255 200 0)KO\\c(255 255 255) \\i+Ecran\\i- "
                  "\\b+gras\\b- \xC9t\xE9 \xE0 Fen\xEAtre",
                  size);
    }
    saveFrame("text_sizes");
    // The "K" of the 50-pixel line: its stem is drawn, the ground between lines is not.
    int lit = 0;
    for (int x = 10; x < 630; ++x)
        lit += readPixel(x, y + 25)[0] > 200;
    EXPECT_GT(lit, 60);
    EXPECT_LT(readPixel(5, y - 4)[0], 60);
    glClearColor(0, 0, 0, 0);
}
