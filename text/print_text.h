#pragma once

#include <GL/gl.h>

// printf-like text at window positions, with escape codes inside the text:
//   \c(R G B)  \a(R G B A)  text colour from 0-255 components
//   \i+ \i-    italic on / off
//   \b+ \b-    bold on / off
// An escape takes no room. An invalid escape (\i or \b without a sign, a colour without
// enough numbers) is drawn literally, like a backslash before any other character.

inline constexpr int textBufferSize = 1024;
inline constexpr int TEXT_STATE_BEGIN = 1;
inline constexpr int TEXT_STATE_END = 2;

// The GL state saved by textRenderState(TEXT_STATE_BEGIN).
extern GLint savedPolygonMode[2]; // front, back
extern GLboolean savedTexture2D;
extern GLboolean savedDepthTest;
extern GLboolean savedLighting;
extern GLboolean savedScissorTest;
extern GLboolean savedBlend;
extern GLint savedMatrixMode;
extern GLint savedBlendSrc;
extern GLint savedBlendDst;

// The text scale: every text drawn whole times larger, its place and size given in text units
// of that many pixels, so that a window twice 640x480 shows every screen's text as 640x480
// does, twice the size. textScaleChoice is 0 (auto: the largest whole factor of 640x480 that
// the size holds, at least 1) or the factor itself, as far as the window still holds a text
// area of textLeastWidth by textLeastHeight (then the largest that does, at least 1).
inline constexpr int textBaseWidth = 640;
inline constexpr int textBaseHeight = 480;
// The widest line a screen prints, the English poor rating (19 characters at 30), with a margin;
// and the training's results over its prompt, under the points.
inline constexpr int textLeastWidth = 600;
inline constexpr int textLeastHeight = 270;
extern int textScaleChoice;
int textScaleFor(int width, int height);

// The x that centres `length` plain characters of `size` in `width`, halves rounded down.
constexpr int centredTextX(int width, int length, int size) {
    return width / 2 - length * size / 2;
}

// (x, y): the lower-left corner of the first glyph, in text units from the viewport's lower
// left (pixels at scale 1).
void printText(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Draws in text units: `viewport` is the viewport in them; the scissor boxes are scaled back to
// pixels by the scale of the print.
void drawTextBlock(const char* text, int x, int y, const GLint viewport[4]);
void textRenderState(int mode);
void scissorTextBlock(int x, int y, int size, int length, int newlines, int tabFactor);
void scissorClipBox();

// With `p` at a backslash: applies the escape and returns how many characters the walk skips
// beyond the backslash before its own advance.
int parseEscape(const char* p, int* penX, int* penY);
// Each is given the escape letter; returns the characters to skip beyond the backslash, or
// invalidEscape.
inline constexpr int invalidEscape = -1;
int parseColorEscape(const char* letter);
int parseItalicEscape(const char* letter);
int parseBoldEscape(const char* letter);

int countChar(const char* text, char c);
