#include "text/print_text.h"

#include "text/bitmap_font.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

GLint savedPolygonMode[2] = {GL_FILL, GL_FILL};
GLboolean savedTexture2D = GL_FALSE;
GLboolean savedDepthTest = GL_FALSE;
GLboolean savedLighting = GL_FALSE;
GLboolean savedScissorTest = GL_FALSE;
GLboolean savedBlend = GL_FALSE;
GLint savedMatrixMode = GL_MODELVIEW;
GLint savedBlendSrc = GL_ONE;
GLint savedBlendDst = GL_ZERO;
int textScaleChoice = 0;

namespace {

constexpr char tabCharacter = 9;
constexpr char newlineCharacter = 10;
constexpr char escapeCharacter = '\\';
constexpr int tabAdvances = 4; // a tab adds four empty advances to its own
constexpr float colourScale = 1.0f / 255.0f;

char textBuffer[textBufferSize];
int printScale = 1; // the scale of the print under way

// Records whether `capability` is on and sets it to `wanted`.
GLboolean switchCapability(GLenum capability, bool wanted) {
    const GLboolean was = glIsEnabled(capability);
    if (wanted && !was)
        glEnable(capability);
    if (!wanted && was)
        glDisable(capability);
    return was;
}

void beginTextState() {
    glGetIntegerv(GL_POLYGON_MODE, savedPolygonMode);
    if (savedPolygonMode[0] != GL_FILL)
        glPolygonMode(GL_FRONT, GL_FILL);
    if (savedPolygonMode[1] != GL_FILL)
        glPolygonMode(GL_BACK, GL_FILL);
    savedTexture2D = switchCapability(GL_TEXTURE_2D, true);
    savedDepthTest = switchCapability(GL_DEPTH_TEST, false);
    savedLighting = switchCapability(GL_LIGHTING, false);
    savedScissorTest = switchCapability(GL_SCISSOR_TEST, true);
    glGetIntegerv(GL_MATRIX_MODE, &savedMatrixMode);
    savedBlend = glIsEnabled(GL_BLEND);
    glGetIntegerv(GL_BLEND_SRC, &savedBlendSrc);
    glGetIntegerv(GL_BLEND_DST, &savedBlendDst);
    if (!savedBlend)
        glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void endTextState() {
    if (savedPolygonMode[0] != GL_FILL)
        glPolygonMode(GL_FRONT, static_cast<GLenum>(savedPolygonMode[0]));
    if (savedPolygonMode[1] != GL_FILL)
        glPolygonMode(GL_BACK, static_cast<GLenum>(savedPolygonMode[1]));
    if (savedLighting)
        glEnable(GL_LIGHTING);
    if (!savedBlend)
        glDisable(GL_BLEND);
    glBlendFunc(static_cast<GLenum>(savedBlendSrc), static_cast<GLenum>(savedBlendDst));
    if (savedDepthTest)
        glEnable(GL_DEPTH_TEST);
    if (!savedTexture2D)
        glDisable(GL_TEXTURE_2D);
    if (!savedScissorTest)
        glDisable(GL_SCISSOR_TEST);
    glMatrixMode(static_cast<GLenum>(savedMatrixMode));
}

// "+" or "-" after the letter: 1 or 0, else -1.
int signOf(const char* letter) {
    if (letter[1] == '+')
        return 1;
    if (letter[1] == '-')
        return 0;
    return -1;
}

} // namespace

int textScaleFor(int width, int height) {
    if (textScaleChoice > 0)
        return std::max(
            1, std::min({textScaleChoice, width / textLeastWidth, height / textLeastHeight}));
    return std::max(1, std::min(width / textBaseWidth, height / textBaseHeight));
}

int countChar(const char* text, char c) {
    int count = 0;
    for (; *text != '\0'; ++text) {
        if (*text == c)
            ++count;
    }
    return count;
}

int parseItalicEscape(const char* letter) {
    const int sign = signOf(letter);
    if (sign < 0)
        return invalidEscape;
    italicSlant = sign ? italicSlantPixels : 0;
    return 2;
}

int parseBoldEscape(const char* letter) {
    const int sign = signOf(letter);
    if (sign < 0)
        return invalidEscape;
    boldOn = sign;
    return 2;
}

int parseColorEscape(const char* letter) {
    const bool withAlpha = *letter == 'a';
    int r = 0, g = 0, b = 0, a = 0;
    if (withAlpha) {
        if (std::sscanf(letter + 1, "(%d %d %d %d)", &r, &g, &b, &a) < 4)
            return invalidEscape;
        setTextColor4f(r * colourScale, g * colourScale, b * colourScale, a * colourScale);
    } else {
        if (std::sscanf(letter + 1, "(%d %d %d)", &r, &g, &b) < 3)
            return invalidEscape;
        setTextColor3f(r * colourScale, g * colourScale, b * colourScale);
    }
    // Resume after the ")"; without one, land on the last character so the walk ends.
    const char* close = std::strchr(letter + 1, ')');
    const char* backslash = letter - 1;
    if (close == nullptr)
        return static_cast<int>(std::strlen(letter));
    return static_cast<int>(close - backslash);
}

int parseEscape(const char* p, int* penX, int* penY) {
    const char* letter = p + 1;
    int skip = invalidEscape;
    switch (*letter) {
    case '\0':
        return 0;
    case 'a':
    case 'c':
        skip = parseColorEscape(letter);
        break;
    case 'b':
        skip = parseBoldEscape(letter);
        break;
    case 'i':
        skip = parseItalicEscape(letter);
        break;
    default:
        break;
    }
    if (skip != invalidEscape) {
        *penX -= fontSize; // cancels the walk's advance: an escape takes no room
        return skip;
    }
    // Anything else, an invalid escape included, shows the backslash and goes on with the
    // next character as plain text.
    drawChar(static_cast<unsigned char>(escapeCharacter), *penX, *penY, fontSize);
    return 0;
}

void scissorTextBlock(int x, int y, int size, int length, int newlines, int tabFactor) {
    const int s = printScale;
    glScissor(s * x, s * (y - newlines * size), s * size * length * tabFactor,
              s * size * (newlines + 1));
}

void scissorClipBox() {
    const int s = printScale;
    glScissor(s * clipBox[0], s * clipBox[1], s * clipBox[2], s * clipBox[3]);
}

void drawTextBlock(const char* text, int x, int y, const GLint viewport[4]) {
    const int size = fontSize;
    const int newlines = countChar(text, newlineCharacter);
    const int tabs = countChar(text, tabCharacter);
    const int tabFactor = tabs == 0 ? 1 : tabAdvances * tabs;
    const int length = static_cast<int>(std::strlen(text));
    const int rightLimit = viewport[0] + viewport[2];
    const int left = clipBox[0];
    const int bottom = clipBox[1];
    const int right = clipBox[0] + clipBox[2];
    int penX = x;
    int penY = y;
    if (clipOn) {
        scissorClipBox();
        penX = left;
        penY = bottom + clipBox[3] - size;
    } else {
        scissorTextBlock(x, y, size, length, newlines, tabFactor);
    }

    for (int i = 0; text[i] != '\0'; ++i, penX += size) {
        if (penX > rightLimit)
            break;
        if (clipOn) {
            if (penX + size > right) {
                penY -= size;
                penX = left;
            }
            if (penY < bottom)
                break;
        }
        const char c = text[i];
        if (c == tabCharacter) {
            penX += tabAdvances * size;
        } else if (c == newlineCharacter) {
            penY -= size;
            penX = x - size;
        } else if (c == escapeCharacter) {
            i += parseEscape(text + i, &penX, &penY);
        } else {
            drawChar(static_cast<unsigned char>(c), penX, penY, size);
        }
    }
}

void textRenderState(int mode) {
    if (mode == TEXT_STATE_BEGIN)
        beginTextState();
    else if (mode == TEXT_STATE_END)
        endTextState();
}

void printText(int x, int y, const char* format, ...) {
    std::memset(textBuffer, 0, sizeof textBuffer);
    va_list args;
    va_start(args, format);
    // Keeps up to 1023 characters and the closing zero.
    std::vsnprintf(textBuffer, sizeof textBuffer, format, args);
    va_end(args);

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    printScale = textScaleFor(viewport[2], viewport[3]);
    const GLint units[4] = {viewport[0] / printScale, viewport[1] / printScale,
                            viewport[2] / printScale, viewport[3] / printScale};
    textRenderState(TEXT_STATE_BEGIN);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewport[2], 0, viewport[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    // Whole factors keep every glyph edge on a pixel edge.
    glScalef(static_cast<float>(printScale), static_cast<float>(printScale), 1.0f);
    {
        glBindTexture(GL_TEXTURE_2D, fontTexture);
        drawTextBlock(textBuffer, x, y, units);
    }
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();

    textRenderState(TEXT_STATE_END);
    resetTextStyle();
}
