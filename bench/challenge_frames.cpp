// A fight's frame (Radov Eze, Amical) with the challenge off and on, in turns: the fight's tick
// and frame drawn back to back, finished (glFinish), for a number of frames a turn. Reports the
// median of each, in the process's CPU time (which other programs on the machine disturb less
// than the wall clock) and in wall time, and what a frame costs more with the challenge on.
//
//   challenge_frames   (run from the game's folder: it reads Data/; RUKO_BENCH_FRAMES a turn,
//                       default 300; nine turns each)

#include "app/startup.h"
#include "app/window.h"
#include "bench/machine_info.h"
#include "challenge/challenge_random.h"
#include "challenge/challenge_state.h"
#include "game/fight_screen.h"
#include "game/state.h"

#include <GL/glut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr int turns = 9;

struct Cost {
    double cpu, wall; // microseconds a frame
};

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A fresh fight each turn: the challenge's opponent is still in its first round after it.
Cost frameCost(bool challenge, int frames) {
    challengeOn = challenge ? 1 : 0;
    seedChallengeRandom(1);
    enterFightScreen(radovEze, friendlyDecor);
    glFinish();
    const double cpuStart = cpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) {
        fightIdle();
        fightDisplay();
        glFinish();
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallStart;
    return {(cpuSeconds() - cpuStart) * 1e6 / frames, wall.count() * 1e6 / frames};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int, char** argv) {
    const char* framesText = std::getenv("RUKO_BENCH_FRAMES");
    const int frames = framesText ? std::atoi(framesText) : 300;
    int glutArgc = 1;
    openGameWindow(&glutArgc, argv);
    initResources();
    frameCost(false, frames / 4); // warm-up: the driver's first frames
    std::vector<double> cpu[2];
    std::vector<double> wall[2];
    for (int turn = 0; turn < turns; ++turn)
        for (const int on : {0, 1}) {
            const Cost cost = frameCost(on == 1, frames);
            cpu[on].push_back(cost.cpu);
            wall[on].push_back(cost.wall);
        }
    challengeOn = 0;
    std::printf("challenge off\t%.0f us CPU\t%.0f us wall a frame\n", median(cpu[0]),
                median(wall[0]));
    std::printf("challenge on\t%.0f us CPU\t%.0f us wall a frame\n", median(cpu[1]),
                median(wall[1]));
    std::printf("on against off\t%.3f CPU\t%.3f wall\t%s\n", median(cpu[1]) / median(cpu[0]),
                median(wall[1]) / median(wall[0]), glRendererAndVersion().c_str());
    return 0;
}
