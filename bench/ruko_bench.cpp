// make bench: frame rates of every screen against a bare clear-and-swap frame, start-up time
// and peak memory of the game against a bare GLUT window's, printed as Markdown tables.
//
//   ruko_bench GAME BARE_WINDOW PROBE_LIBRARY
// Run from the project root (the game reads Data/). RUKO_BENCH_SECONDS (per screen, default
// 2) and RUKO_BENCH_RUNS (start-ups of each program, default 10) change the effort.

#include "app/startup.h"
#include "app/window.h"
#include "bench/machine_info.h"
#include "bench/process_probe.h"
#include "bench/screen_frames.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int memoryFrames = 120; // two seconds of the game's pace

double environmentNumber(const char* name, double fallback) {
    const char* text = std::getenv(name);
    return text ? std::atof(text) : fallback;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

struct StartUp {
    double medianMilliseconds = 0.0;
    long peakResidentKiB = 0;
};

// The median time to the first frame over `runs` starts, and the peak size after
// memoryFrames frames. Exits when the program cannot be probed.
StartUp probe(const std::string& program, const std::string& library, int runs) {
    std::vector<double> times;
    runProbed(program, library, 1); // a first start warms the file cache
    for (int i = 0; i < runs; ++i) {
        const ProbeResult r = runProbed(program, library, 1);
        if (!r.ok) {
            std::fprintf(stderr, "%s did not show a frame under the probe\n", program.c_str());
            std::exit(1);
        }
        times.push_back(r.firstFrameMilliseconds);
    }
    const ProbeResult memory = runProbed(program, library, memoryFrames);
    if (!memory.ok) {
        std::fprintf(stderr, "%s did not draw %d frames\n", program.c_str(), memoryFrames);
        std::exit(1);
    }
    return {median(times), memory.peakResidentKiB};
}

void printFrameTable(const std::vector<ScreenFrameRate>& rates) {
    const double bare = rates.front().framesPerSecond;
    std::printf("| screen | frames/s | against the bare frame |\n|---|---:|---:|\n");
    for (const ScreenFrameRate& rate : rates) {
        std::printf("| %s | %.0f | %.3f |\n", rate.screen.c_str(), rate.framesPerSecond,
                    rate.framesPerSecond / bare);
    }
}

void printStartUpTable(const StartUp& game, const StartUp& bare, int runs) {
    std::printf("\n| program | start to first frame (median of %d) | peak resident after %d "
                "frames |\n|---|---:|---:|\n",
                runs, memoryFrames);
    std::printf("| bare GLUT window | %.1f ms | %.1f MiB |\n", bare.medianMilliseconds,
                bare.peakResidentKiB / 1024.0);
    std::printf("| ruko (title screen) | %.1f ms | %.1f MiB |\n", game.medianMilliseconds,
                game.peakResidentKiB / 1024.0);
    std::printf("| ruko against the bare window | %.2f x | %.2f x |\n",
                game.medianMilliseconds / bare.medianMilliseconds,
                static_cast<double>(game.peakResidentKiB) / bare.peakResidentKiB);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s GAME BARE_WINDOW PROBE_LIBRARY\n", argv[0]);
        return 2;
    }
    const std::string game = argv[1];
    const std::string bareWindow = argv[2];
    const std::string library = argv[3];
    const double seconds = environmentNumber("RUKO_BENCH_SECONDS", 2.0);
    const int runs = static_cast<int>(environmentNumber("RUKO_BENCH_RUNS", 10));

    const StartUp bare = probe(bareWindow, library, runs);
    const StartUp started = probe(game, library, runs);

    int glutArgc = 1;
    openGameWindow(&glutArgc, argv);
    initResources();
    std::printf("Machine: %s, %d logical cores, %ld MiB; %s; window %dx%d; %.0f s a screen.\n\n",
                cpuModel().c_str(), logicalCores(), memoryMiB(), glRendererAndVersion().c_str(),
                startWindowWidth, startWindowHeight, seconds);
    printFrameTable(measureEveryScreen(seconds));
    printStartUpTable(started, bare, runs);
    return 0;
}
