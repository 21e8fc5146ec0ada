#pragma once

#include <GL/gl.h>

// The textured bitmap font: 256 glyphs in a grid, and the one-shot text style that the next
// printText uses (every print ends with resetTextStyle).

// The font grid.
extern GLuint fontTexture;
extern int fontRows;
extern int fontColumns;
extern float glyphWidthUV; // one cell in texture coordinates
extern float glyphHeightUV;
extern float glyphTable[256][2]; // lower-left (u, v) of the cell of each character code

// The text style.
inline constexpr int defaultFontSize = 12;
inline constexpr int italicSlantPixels = 8;
inline constexpr float defaultTextColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};
inline constexpr float defaultShadowColor[4] = {0.5f, 0.5f, 0.5f, 1.0f};

extern int fontSize;       // side of a glyph quad and the advance, in pixels
extern float textColor[4]; // glyph colour (its upper edge with the gradient)
extern float shadowColor[4];
extern float gradientColor[4]; // lower edge of the glyph with the gradient
extern int shadowOn;
extern int gradientOn;
extern int italicSlant; // pixels the upper edge moves right: 0 or italicSlantPixels
extern int boldOn;
extern int clipOn;
extern int clipBox[4]; // left, bottom, width, height in window pixels

// Loading. Both return the result of loadTgaTexture; loadFontGrid returns 0 and changes
// nothing unless rows * columns is 256.
void buildGlyphTable();
int loadFont(const char* path);
int loadFontGrid(const char* path, int rows, int columns);

// Style for the next print.
void setFontSize(int size);
void enableTextShadow();
void enableTextGradient();
void setTextClipBox(int left, int top, int width, int height);
void setTextColor3f(float r, float g, float b);
void setTextColor4f(float r, float g, float b, float a);
void setTextColor3fv(const float* c);
void setTextColor4fv(const float* c);
void setShadowColor3f(float r, float g, float b);
void setShadowColor4f(float r, float g, float b, float a);
void setShadowColor3fv(const float* c);
void setShadowColor4fv(const float* c);
void setGradientColor3f(float r, float g, float b);
void setGradientColor4f(float r, float g, float b, float a);
void setGradientColor3fv(const float* c);
void setGradientColor4fv(const float* c);
void resetTextStyle();

// Drawing, in window pixels under the text renderer's set-up with the font texture bound.
void drawGlyph(unsigned char code, int x, int y, int size, int isShadow);
void drawChar(unsigned char code, int x, int y, int size);
