// make bench-full-screen (also part of make bench): where each screen's frame goes at
// 1920x1080, as a Markdown table: the draws, vertices, state changes and display lists it asks
// of GL (bench/gl_counts.h), and how many fragments each pixel gets (bench/depth_complexity.h).
//
//   scene_probe
// Run from the project root on a screen of at least 1920x1080. Each screen's frame is drawn
// twice after a few frames of warm-up, with no step between: the first counts the calls and
// the fragments that reach the depth test, the second those that pass it.

#include "bench/depth_complexity.h"
#include "bench/full_screen.h"
#include "bench/gl_counts.h"
#include "bench/machine_info.h"
#include "bench/screen_frames.h"

#include <GL/freeglut.h>

#include <cstdio>

namespace {

constexpr int warmUpFrames = 10;

void drawAgain() {
    glutPostRedisplay();
    glutMainLoopEvent();
}

} // namespace

int main(int, char** argv) {
    int glutArgc = 1;
    openFullScreenWindow(&glutArgc, argv);
    if (!hasStencil()) {
        std::fprintf(stderr, "the window has no 8-bit stencil buffer to count fragments in\n");
        return 1;
    }
    std::printf("A frame of each screen at %dx%d; %s.\n\n", fullScreenWidth, fullScreenHeight,
                glRendererAndVersion().c_str());
    std::printf("| screen | draws | vertices | glMaterial | glBindTexture | glEnable, glDisable "
                "| other state | lists called | fragments a pixel, drawn: mean / max | passing "
                "the depth test: mean / max | passing of drawn |\n"
                "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const BenchScreen& screen : benchScreens()) {
        screen.enter();
        for (int i = 0; i < warmUpFrames; ++i)
            gameFrame();
        startFragmentCount(Fragments::drawn);
        startCounting();
        drawAgain();
        const GlCounts calls = stopCounting();
        const PixelCounts drawn = stopFragmentCount();
        startFragmentCount(Fragments::passing);
        drawAgain();
        const PixelCounts passing = stopFragmentCount();
        std::printf("| %s | %ld | %ld | %ld | %ld | %ld | %ld | %ld | %.2f / %d | %.2f / %d | "
                    "%.0f%% |\n",
                    screen.name, calls.draws, calls.vertices, calls.materials, calls.textureBinds,
                    calls.enables, calls.otherState, calls.listsCalled, drawn.mean, drawn.max,
                    passing.mean, passing.max,
                    drawn.mean > 0.0 ? 100.0 * passing.mean / drawn.mean : 0.0);
    }
    return 0;
}
