// printText with arbitrary bytes through "%s", escape codes included, under an arbitrary
// one-shot style. Beyond ASan and UBSan, every print must leave the GL state as it found it,
// raise no GL error and reset the style.

#include "fuzz/fuzz_window.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int printsPerFrame = 16;
int printsSinceSwap = 0;

struct GlSnapshot {
    GLboolean depthTest, lighting, scissorTest, blend, texture2D;
    GLint polygonMode[2];
    GLint matrixMode;
    GLint modelviewDepth, projectionDepth;
    GLint blendSrc, blendDst;

    bool operator==(const GlSnapshot& o) const {
        return depthTest == o.depthTest && lighting == o.lighting && scissorTest == o.scissorTest &&
               blend == o.blend && texture2D == o.texture2D && polygonMode[0] == o.polygonMode[0] &&
               polygonMode[1] == o.polygonMode[1] && matrixMode == o.matrixMode &&
               modelviewDepth == o.modelviewDepth && projectionDepth == o.projectionDepth &&
               blendSrc == o.blendSrc && blendDst == o.blendDst;
    }
};

GlSnapshot snapshot() {
    GlSnapshot s{};
    s.depthTest = glIsEnabled(GL_DEPTH_TEST);
    s.lighting = glIsEnabled(GL_LIGHTING);
    s.scissorTest = glIsEnabled(GL_SCISSOR_TEST);
    s.blend = glIsEnabled(GL_BLEND);
    s.texture2D = glIsEnabled(GL_TEXTURE_2D);
    glGetIntegerv(GL_POLYGON_MODE, s.polygonMode);
    glGetIntegerv(GL_MATRIX_MODE, &s.matrixMode);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &s.modelviewDepth);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &s.projectionDepth);
    glGetIntegerv(GL_BLEND_SRC, &s.blendSrc);
    glGetIntegerv(GL_BLEND_DST, &s.blendDst);
    return s;
}

void setCapability(GLenum capability, bool on) {
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

// The GL state a screen may have when it prints, as the input chooses it.
void setScreenState(FuzzedDataProvider& input) {
    setCapability(GL_DEPTH_TEST, input.ConsumeBool());
    setCapability(GL_LIGHTING, input.ConsumeBool());
    setCapability(GL_SCISSOR_TEST, input.ConsumeBool());
    setCapability(GL_BLEND, input.ConsumeBool());
    setCapability(GL_TEXTURE_2D, input.ConsumeBool());
    glPolygonMode(GL_FRONT, input.ConsumeBool() ? GL_LINE : GL_FILL);
    glMatrixMode(input.ConsumeBool() ? GL_PROJECTION : GL_MODELVIEW);
}

// The one-shot style the screens set before a print, in the ranges they use and beyond.
void setTextStyle(FuzzedDataProvider& input) {
    setFontSize(input.ConsumeIntegralInRange(1, 64));
    if (input.ConsumeBool())
        enableTextShadow();
    if (input.ConsumeBool())
        enableTextGradient();
    if (input.ConsumeBool()) {
        const int left = input.ConsumeIntegralInRange(-64, fuzzWindowWidth);
        const int top = input.ConsumeIntegralInRange(-64, fuzzWindowHeight + 64);
        const int width = input.ConsumeIntegralInRange(0, fuzzWindowWidth);
        const int height = input.ConsumeIntegralInRange(0, fuzzWindowHeight);
        setTextClipBox(left, top, width, height);
    }
}

bool styleIsReset() {
    return fontSize == defaultFontSize && shadowOn == 0 && gradientOn == 0 && clipOn == 0 &&
           italicSlant == 0 && boldOn == 0 && textColor[0] == defaultTextColor[0] &&
           textColor[3] == defaultTextColor[3];
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    openFuzzWindow();
    // A screen swaps after every frame; without it the driver queues the glyphs unbounded.
    if (++printsSinceSwap == printsPerFrame) {
        printsSinceSwap = 0;
        glutSwapBuffers();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    setScreenState(input);
    setTextStyle(input);
    const int x = input.ConsumeIntegralInRange(-64, fuzzWindowWidth + 64);
    const int y = input.ConsumeIntegralInRange(-64, fuzzWindowHeight + 64);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const GlSnapshot before = snapshot();
    printText(x, y, "%s", text.c_str());
    if (!(snapshot() == before)) {
        std::fprintf(stderr, "printText left the GL state changed\n");
        std::abort();
    }
    abortOnGlError("printText");
    if (!styleIsReset()) {
        std::fprintf(stderr, "printText left its style set\n");
        std::abort();
    }
    // A screen swaps after every frame; without it the driver queues the glyphs unbounded.
    if (++printsSinceSwap == printsPerFrame) {
        printsSinceSwap = 0;
        glutSwapBuffers();
    }
    return 0;
}
