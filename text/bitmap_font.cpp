#include "text/bitmap_font.h"

#include "text/tga_loader.h"

GLuint fontTexture = 0;
int fontRows = 16;
int fontColumns = 16;
float glyphWidthUV = 1.0f / 16;
float glyphHeightUV = 1.0f / 16;
float glyphTable[256][2] = {};

int fontSize = defaultFontSize;
float textColor[4] = {defaultTextColor[0], defaultTextColor[1], defaultTextColor[2],
                      defaultTextColor[3]};
float shadowColor[4] = {defaultShadowColor[0], defaultShadowColor[1], defaultShadowColor[2],
                        defaultShadowColor[3]};
float gradientColor[4] = {defaultShadowColor[0], defaultShadowColor[1], defaultShadowColor[2],
                          defaultShadowColor[3]};
int shadowOn = 0;
int gradientOn = 0;
int italicSlant = 0;
int boldOn = 0;
int clipOn = 0;
int clipBox[4] = {};

namespace {

constexpr int glyphCount = 256;

void setColour(float* colour, float r, float g, float b, float a) {
    colour[0] = r;
    colour[1] = g;
    colour[2] = b;
    colour[3] = a;
}

} // namespace

void buildGlyphTable() {
    glyphWidthUV = 1.0f / static_cast<float>(fontColumns);
    glyphHeightUV = 1.0f / static_cast<float>(fontRows);
    // Rows from the top of the picture (v = 1) down, cells from the left; the steps are
    // powers of two for every 256-cell grid, so the sums are exact.
    int entry = 0;
    for (float top = 1.0f; top - glyphHeightUV >= 0.0f && entry < glyphCount;
         top -= glyphHeightUV) {
        const float v = top - glyphHeightUV;
        for (float u = 0.0f; u <= 1.0f - glyphWidthUV && entry < glyphCount; u += glyphWidthUV) {
            glyphTable[entry][0] = u;
            glyphTable[entry][1] = v;
            ++entry;
        }
    }
}

int loadFontGrid(const char* path, int rows, int columns) {
    if (rows * columns != glyphCount)
        return 0;
    glGenTextures(1, &fontTexture);
    fontRows = rows;
    fontColumns = columns;
    buildGlyphTable();
    return loadTgaTexture(path, fontTexture);
}

int loadFont(const char* path) {
    return loadFontGrid(path, 16, 16);
}

void setFontSize(int size) {
    fontSize = size;
}
void enableTextShadow() {
    shadowOn = 1;
}
void enableTextGradient() {
    gradientOn = 1;
}

void setTextClipBox(int left, int top, int width, int height) {
    clipOn = 1;
    clipBox[0] = left;
    clipBox[1] = top - height;
    clipBox[2] = width;
    clipBox[3] = height;
}

void setTextColor3f(float r, float g, float b) {
    setColour(textColor, r, g, b, 1.0f);
}
void setTextColor4f(float r, float g, float b, float a) {
    setColour(textColor, r, g, b, a);
}
void setTextColor3fv(const float* c) {
    setColour(textColor, c[0], c[1], c[2], 1.0f);
}
void setTextColor4fv(const float* c) {
    setColour(textColor, c[0], c[1], c[2], c[3]);
}

void setShadowColor3f(float r, float g, float b) {
    setColour(shadowColor, r, g, b, 1.0f);
}
void setShadowColor4f(float r, float g, float b, float a) {
    setColour(shadowColor, r, g, b, a);
}
void setShadowColor3fv(const float* c) {
    setColour(shadowColor, c[0], c[1], c[2], 1.0f);
}
void setShadowColor4fv(const float* c) {
    setColour(shadowColor, c[0], c[1], c[2], c[3]);
}

void setGradientColor3f(float r, float g, float b) {
    setColour(gradientColor, r, g, b, 1.0f);
}
void setGradientColor4f(float r, float g, float b, float a) {
    setColour(gradientColor, r, g, b, a);
}
void setGradientColor3fv(const float* c) {
    setColour(gradientColor, c[0], c[1], c[2], 1.0f);
}
void setGradientColor4fv(const float* c) {
    setColour(gradientColor, c[0], c[1], c[2], c[3]);
}

void resetTextStyle() {
    fontSize = defaultFontSize;
    shadowOn = 0;
    clipOn = 0;
    gradientOn = 0;
    italicSlant = 0;
    boldOn = 0;
    for (int& side : clipBox)
        side = 0;
    setTextColor4fv(defaultTextColor);
    setShadowColor4fv(defaultShadowColor);
    setGradientColor4fv(defaultShadowColor);
}

void drawGlyph(unsigned char code, int x, int y, int size, int isShadow) {
    const float u = glyphTable[code][0];
    const float v = glyphTable[code][1];
    const float du = glyphWidthUV;
    const float dv = glyphHeightUV;
    const int s = italicSlant;
    const float* upper = isShadow ? shadowColor : textColor;
    // The gradient shades the main glyph only; its shadow stays one flat colour.
    const float* lower = (gradientOn && !isShadow) ? gradientColor : upper;

    glBegin(GL_QUADS);
    glColor4fv(lower);
    glTexCoord2f(u, v);
    glVertex2i(x, y);
    glTexCoord2f(u + du, v);
    glVertex2i(x + size, y);
    glColor4fv(upper);
    glTexCoord2f(u + du, v + dv);
    glVertex2i(x + size + s, y + size);
    glTexCoord2f(u, v + dv);
    glVertex2i(x + s, y + size);
    glEnd();
}

void drawChar(unsigned char code, int x, int y, int size) {
    if (shadowOn)
        drawGlyph(code, x + (boldOn ? 2 : 1), y + 1, size, 1);
    drawGlyph(code, x, y, size, 0);
    if (boldOn)
        drawGlyph(code, x + 1, y, size, 0);
}
