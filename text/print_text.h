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

// (x, y): the lower-left corner of the first glyph, in pixels from the viewport's lower left.
void printText(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));

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
