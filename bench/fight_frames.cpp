// make bench-windows: the unpaced frame rate of a fight (Radov Eze, Amical), measured as
// ruko_bench measures every screen, with the renderer that drew it. Built for Linux and for
// Windows, so that bench/wine_bench.sh compares the same frames drawn natively and under Wine.
//
//   fight_frames   (run from the game's folder: it reads Data/; RUKO_BENCH_SECONDS, default 5)

#include "app/startup.h"
#include "app/window.h"
#include "bench/machine_info.h"
#include "bench/screen_frames.h"
#include "game/fight_screen.h"
#include "game/state.h"
#include "menus/menus.h"

#include <cstdio>
#include <cstdlib>

int main(int, char** argv) {
    const char* seconds = std::getenv("RUKO_BENCH_SECONDS");
    int glutArgc = 1;
    openGameWindow(&glutArgc, argv);
    initResources();
    // The window's first events (its showing calls the screen's visibility callback, which
    // paces the steps) go to the title first, as ruko_bench's screens come after others.
    unpacedFramesPerSecond(enterTitleScreen, 0.5);
    const double rate = unpacedFramesPerSecond([] { enterFightScreen(radovEze, friendlyDecor); },
                                               seconds ? std::atof(seconds) : 5.0);
    std::printf("%.1f\t%s\n", rate, glRendererAndVersion().c_str());
    return 0;
}
