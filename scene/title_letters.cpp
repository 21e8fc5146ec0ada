#include "scene/title_letters.h"

#include "models/palette.h"
#include "models/primitives.h"

#include <GL/gl.h>

#include <cstddef>

namespace {

constexpr float letterDepth = 0.3f;

// One stroke: a block with its top-left front corner at (x, y), turned about +Z at that
// corner for the diagonals (a positive turn swings its lower end towards +X).
struct Bar {
    float x, y, width, height, turn;
};

constexpr Bar letterR[] = {
    {0, 0, 0.1f, 1.0f, 0},           // stem
    {0.1f, 0, 0.35f, 0.1f, 0},       // top of the bowl
    {0.45f, 0, 0.1f, 0.55f, 0},      // right of the bowl
    {0.1f, -0.45f, 0.35f, 0.1f, 0},  // bottom of the bowl
    {0.2f, -0.55f, 0.1f, 0.54f, 34}, // leg
};
constexpr Bar letterU[] = {
    {0, 0, 0.1f, 1.0f, 0},
    {0.45f, 0, 0.1f, 1.0f, 0},
    {0.1f, -0.9f, 0.35f, 0.1f, 0},
};
constexpr Bar letterK[] = {
    {0, 0, 0.1f, 1.0f, 0},           // stem
    {0.42f, 0, 0.1f, 0.6f, -36},     // upper arm, down to the stem
    {0.1f, -0.45f, 0.1f, 0.68f, 36}, // lower leg, from the stem
};
constexpr Bar letterO[] = {
    {0, 0, 0.1f, 1.0f, 0},
    {0.45f, 0, 0.1f, 1.0f, 0},
    {0.1f, 0, 0.35f, 0.1f, 0},
    {0.1f, -0.9f, 0.35f, 0.1f, 0},
};

template <std::size_t count>
void drawLetter(const MaterialSet& material, const Bar (&bars)[count]) {
    applyMaterial(material, usualShininess);
    for (const Bar& bar : bars) {
        glPushMatrix();
        {
            glTranslatef(bar.x, bar.y, 0.0f);
            glRotatef(bar.turn, 0.0f, 0.0f, 1.0f);
            drawBlock(bar.width, bar.height, letterDepth);
        }
        glPopMatrix();
    }
}

} // namespace

void drawTitleLetterR() {
    drawLetter(blueMaterial, letterR);
}
void drawTitleLetterU() {
    drawLetter(redMaterial, letterU);
}
void drawTitleLetterK() {
    drawLetter(blueMaterial, letterK);
}
void drawTitleLetterO() {
    drawLetter(redMaterial, letterO);
}
