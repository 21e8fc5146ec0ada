// The unpaced frame rate of a fight (Radov Eze, Amical) with the
// challenge off and on, in turns, and what a frame costs more with it on.
//
//   challenge_frames   (run from the game's folder: it reads Data/; RUKO_BENCH_SECONDS a turn,
//                       default 2; five turns each)

#include "app/startup.h"
#include "app/window.h"
#include "bench/machine_info.h"
#include "bench/screen_frames.h"
#include "game/challenge_random.h"
#include "game/challenge_state.h"
#include "game/fight_screen.h"
#include "game/state.h"
#include "menus/menus.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int turns = 5;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void enterFight() {
    seedChallengeRandom(1);
    enterFightScreen(radovEze, friendlyDecor);
}

} // namespace

int main(int, char** argv) {
    const char* seconds = std::getenv("RUKO_BENCH_SECONDS");
    const double each = seconds ? std::atof(seconds) : 2.0;
    int glutArgc = 1;
    openGameWindow(&glutArgc, argv);
    initResources();
    unpacedFramesPerSecond(enterTitleScreen, 0.5);
    std::vector<double> off;
    std::vector<double> on;
    for (int turn = 0; turn < turns; ++turn) {
        challengeOn = 0;
        off.push_back(unpacedFramesPerSecond(enterFight, each));
        challengeOn = 1;
        on.push_back(unpacedFramesPerSecond(enterFight, each));
    }
    const double offRate = median(off);
    const double onRate = median(on);
    std::printf("challenge off\t%.1f frames/s\nchallenge on\t%.1f frames/s\n", offRate, onRate);
    std::printf("a frame with it on costs %.2f times one with it off\t%s\n", offRate / onRate,
                glRendererAndVersion().c_str());
    return 0;
}
