#include "bench/depth_complexity.h"

#include <GL/glut.h>
#include <dlfcn.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int countBits = 8;

bool armed = false;
PixelCounts lastCount;

PixelCounts readCount() {
    const int width = glutGet(GLUT_WINDOW_WIDTH);
    const int height = glutGet(GLUT_WINDOW_HEIGHT);
    std::vector<unsigned char> stencil(static_cast<std::size_t>(width) * height);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, stencil.data());
    PixelCounts count;
    long total = 0;
    for (unsigned char fragments : stencil) {
        total += fragments;
        count.max = std::max<int>(count.max, fragments);
    }
    count.mean = stencil.empty() ? 0.0 : static_cast<double>(total) / stencil.size();
    return count;
}

} // namespace

bool hasStencil() {
    GLint bits = 0;
    glGetIntegerv(GL_STENCIL_BITS, &bits);
    return bits >= countBits;
}

void startFragmentCount(Fragments which) {
    glPushAttrib(GL_ENABLE_BIT); // a scissor the game left on would keep part of the old count
    glDisable(GL_SCISSOR_TEST);
    glStencilMask(~0u);
    glClearStencil(0);
    glClear(GL_STENCIL_BUFFER_BIT);
    glPopAttrib();
    glStencilFunc(GL_ALWAYS, 0, ~0u);
    glStencilOp(GL_KEEP, which == Fragments::drawn ? GL_INCR : GL_KEEP, GL_INCR);
    glEnable(GL_STENCIL_TEST);
    lastCount = {};
    armed = true;
}

PixelCounts stopFragmentCount() {
    glDisable(GL_STENCIL_TEST);
    armed = false;
    return lastCount;
}

void glutInitDisplayMode(unsigned int mode) {
    static const auto glut =
        reinterpret_cast<void (*)(unsigned int)>(dlsym(RTLD_NEXT, "glutInitDisplayMode"));
    glut(mode | GLUT_STENCIL);
}

void glutSwapBuffers() {
    static const auto glut = reinterpret_cast<void (*)()>(dlsym(RTLD_NEXT, "glutSwapBuffers"));
    if (armed)
        lastCount = readCount();
    glut();
}
