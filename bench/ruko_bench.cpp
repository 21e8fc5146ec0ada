// make bench: frame rates of every screen against a bare clear-and-swap frame, start-up time
// and peak memory of the game against a bare GLUT window's, and what recordings cost, printed
// as Markdown tables.
//
//   ruko_bench GAME BARE_WINDOW PROBE_LIBRARY
// Run from the project root (the game reads Data/). RUKO_BENCH_SECONDS (per screen, default
// 2) and RUKO_BENCH_RUNS (start-ups of each program, default 10) change the effort.

#include "app/game_inputs.h"
#include "app/idle_pacing.h"
#include "app/startup.h"
#include "app/window.h"
#include "bench/machine_info.h"
#include "bench/process_probe.h"
#include "bench/screen_frames.h"
#include "game/fight_screen.h"
#include "input/inputs.h"
#include "replay/demo.h"
#include "replay/plug_in.h"
#include "replay/recorder.h"
#include "replay/replay_file.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
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

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU microseconds a fight step takes with a punch every 10 steps, drawing nothing.
double fightStepMicroseconds(int steps) {
    enterFightScreen(1, 1);
    const double start = cpuSeconds();
    for (int i = 0; i < steps; ++i) {
        if (i % 10 == 0)
            keyboardInput(i % 20 ? 'x' : 'w', 0, 0);
        runSlot();
    }
    return (cpuSeconds() - start) / steps * 1e6;
}

// The demo checked (`ruko --check`) against the time it plays for, the size of a recording,
// and a step's CPU time unrecorded, then recorded.
void printReplayTable(const std::string& game, int runs) {
    Replay demo;
    std::string problem;
    if (!readReplayFile(demoPath, demo, problem) || demo.events.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::exit(1);
    }
    const double playSeconds = demo.events.back().step / 60.0;
    std::vector<double> checks;
    const std::string command = game + " --check " + demoPath + " >/dev/null 2>&1";
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "%s failed\n", command.c_str());
            std::exit(1);
        }
        checks.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::FILE* file = std::fopen(demoPath, "rb");
    std::fseek(file, 0, SEEK_END);
    const long bytes = std::ftell(file);
    std::fclose(file);

    constexpr int steps = 200000;
    setInputHandler(carryOutOnScreen);
    plugInSources();
    const double unrecorded = fightStepMicroseconds(steps);
    const std::string recording = "/tmp/ruko_bench.replay";
    startRecording(recording);
    const double recorded = fightStepMicroseconds(steps);
    std::remove(recording.c_str());

    std::printf("\n| recordings | |\n|---|---:|\n");
    std::printf("| `ruko --check` of the demo (%.0f s of play; median of %d, start-up included) "
                "| %.2f s, %.0f x real time |\n",
                playSeconds, runs, median(checks), playSeconds / median(checks));
    std::printf("| the demo's recording, a punch every 0.3 s and a checkpoint a second | %.1f KiB "
                "a minute |\n",
                bytes / 1024.0 / (playSeconds / 60.0));
    std::printf("| a fight step's CPU, a punch every 10 steps, unrecorded / recorded | %.2f / "
                "%.2f us (a step is 16 667 us apart) |\n",
                unrecorded, recorded);
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
    printReplayTable(game, runs);
    return 0;
}
