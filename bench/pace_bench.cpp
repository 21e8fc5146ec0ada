// make bench-latency (also part of make bench): how soon the real game shows a key's effect,
// and how steadily it paces its steps, as Markdown tables.
//
//   pace_bench PROBE_LIBRARY VIRTUAL_PAD_LIBRARY GAME [GAME...]
// Run from the project root (the game reads Data/), on an X display where no other window is
// titled "RUKO", on a screen of at least 1920x1080. Each GAME is a ruko binary: give an older
// build too to compare. The punches' latency is timed twice: by keys, then by the virtual pad's
// buttons; then by keys again, and the pace, with the game at 1920x1080 and llvmpipe on one
// thread. The pace of each screen: steps a second by the game's recording, frames a second,
// and how soon a key pressed there is drawn. The effort:
// RUKO_BENCH_PACE_SECONDS (each paced screen, default 10), RUKO_BENCH_PRESSES (default 38),
// RUKO_BENCH_SECONDS (each unpaced screen, default 2).

#include "app/startup.h"
#include "app/window.h"
#include "bench/full_screen.h"
#include "bench/game_session.h"
#include "bench/machine_info.h"
#include "bench/paced_run.h"
#include "bench/screen_frames.h"
#include "game/fight_screen.h"
#include "game/state.h"
#include "game/training_screen.h"
#include "menus/menus.h"

#include <X11/keysym.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

// The twentieth counted hit ends a training run, so a run takes 19 presses.
constexpr int pressesPerRun = 19;
constexpr long long frameWaitNanoseconds = 500000000LL; // longer is a missed frame

double environmentNumber(const char* name, double fallback) {
    const char* text = std::getenv(name);
    return text ? std::atof(text) : fallback;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void enterBenchScreen(const char* name) {
    for (const BenchScreen& screen : benchScreens()) {
        if (std::string(screen.name) == name)
            screen.enter();
    }
}

// The probe key: a punch in the fight, else a key that does nothing there (a punch would end
// the training's run).
const PacedScreen pacedScreens[] = {
    {"title", {}, nullptr, nullptr, XK_z, enterTitleScreen},
    {"fight, Radov Eze, Amical",
     {XK_Return, XK_Return, XK_Return, XK_Return},
     nullptr,
     nullptr,
     XK_x,
     [] { enterFightScreen(radovEze, friendlyDecor); }},
    {"training, Sac de Frappe",
     {XK_Return, XK_Down, XK_Return, XK_Return},
     nullptr,
     nullptr,
     XK_z,
     [] { enterTrainingScreen(punchBagTraining); }},
    {"knock-out, Radov Eze Black, Coupe Tavelin",
     {},
     "bench/knockout.replay",
     "knockout",
     XK_z,
     [] { enterBenchScreen("knock-out, Coupe Tavelin"); }},
};

struct Latencies {
    std::vector<double> milliseconds;
    int missed = 0;    // no different frame within half a second
    int notAtRest = 0; // the frames before the key were still changing
};

// Uneven gaps between presses, from 250 to 560 ms: a punch is over in 4 steps.
double gapBeforePress(int press) {
    return 250.0 + (press * 7919) % 311;
}

// Key-to-frame latency on the punch bag: from just before each punch key is sent to the
// first swapped frame that differs from the frame on screen when it was sent. With the virtual
// pad, its X and A buttons instead of the keys (w and x); a game without pads has none timed.
Latencies keyToFrame(const std::string& game, const std::string& probe, int presses,
                     const GameOptions& options) {
    const bool pad = !options.padLibrary.empty();
    GameSession session(game, probe, true, options);
    if (!session.ready())
        cannotStart(game);
    if (pad && !session.hasPad())
        return {};
    pressAll(session, pacedScreens[2].keys);
    std::vector<long long> sent;
    for (int i = 0; i < presses; ++i) {
        if (i > 0 && i % pressesPerRun == 0) { // a new run before the last hit ends this one
            session.press(XK_Escape);
            sleepMilliseconds(navigationGapMilliseconds);
            session.press(XK_Return);
            sleepMilliseconds(settleMilliseconds);
        }
        sleepMilliseconds(gapBeforePress(i));
        if (!pad)
            sent.push_back(session.press(i % 2 ? XK_w : XK_x));
        else
            sent.push_back(session.tapPad(i % 2 ? "x" : "a"));
    }
    sleepMilliseconds(settleMilliseconds);

    const std::vector<SwapRecord> swaps = session.swaps();
    Latencies result;
    for (long long key : sent) {
        const auto after = std::find_if(swaps.begin(), swaps.end(), [key](const SwapRecord& s) {
            return s.monotonicNanoseconds >= key;
        });
        if (after - swaps.begin() < 2 || (after - 1)->frameHash != (after - 2)->frameHash) {
            ++result.notAtRest;
            continue;
        }
        const std::uint64_t rest = (after - 1)->frameHash;
        const auto changed = std::find_if(
            after, swaps.end(), [rest](const SwapRecord& s) { return s.frameHash != rest; });
        if (changed == swaps.end() || changed->monotonicNanoseconds - key > frameWaitNanoseconds)
            ++result.missed;
        else
            result.milliseconds.push_back((changed->monotonicNanoseconds - key) / 1e6);
    }
    return result;
}

struct LatencyRow {
    std::string game;
    const char* input;
    Latencies latencies;
};

void printLatencyTable(const std::vector<LatencyRow>& rows) {
    std::printf("| game | input | presses timed | min | median | p90 | max | missed |\n"
                "|---|---|---:|---:|---:|---:|---:|---:|\n");
    for (const LatencyRow& row : rows) {
        const Latencies& l = row.latencies;
        const char* game = row.game.c_str();
        const char* input = row.input;
        if (l.milliseconds.empty()) {
            std::printf("| %s | %s | 0 | | | | | %d |\n", game, input, l.missed + l.notAtRest);
            continue;
        }
        std::printf("| %s | %s | %zu | %.1f ms | %.1f ms | %.1f ms | %.1f ms | %d |\n", game, input,
                    l.milliseconds.size(), percentile(l.milliseconds, 0.0), median(l.milliseconds),
                    percentile(l.milliseconds, 0.9), percentile(l.milliseconds, 1.0),
                    l.missed + l.notAtRest);
    }
}

// A screen's frame: its wall time and the CPU time of the bench's process back to back
// (llvmpipe draws on several threads, so CPU can be the larger), and its CPU time when the
// frames come 1/60 s apart by a plain sleep (a frame drawn after a rest costs more).
struct FrameCost {
    double wallSeconds;
    double cpuSeconds;
    double sleepPacedCpuSeconds;
};

double ownCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Wall and CPU seconds a frame from one run of `framesPerSecond`.
std::pair<double, double> frameSeconds(double (*framesPerSecond)(void (*)(), double),
                                       void (*enter)(), double seconds) {
    const long long start = monotonicNow();
    const double cpuStart = ownCpuSeconds();
    const double rate = framesPerSecond(enter, seconds);
    const double cpuPerSecond = (ownCpuSeconds() - cpuStart) / ((monotonicNow() - start) / 1e9);
    return {1.0 / rate, cpuPerSecond / rate};
}

FrameCost frameCost(void (*enter)(), double seconds) {
    const auto [wall, cpu] = frameSeconds(unpacedFramesPerSecond, enter, seconds);
    return {wall, cpu, frameSeconds(sleepPacedFramesPerSecond, enter, seconds).second};
}

// A paced run's probe keys: median / p90 / max from the key to its frame, and how many missed.
std::string keyToFrameColumn(const Pace& p) {
    char text[96];
    if (p.keyToFrameMilliseconds.empty())
        std::snprintf(text, sizeof text, "none (%d missed)", p.missedKeys);
    else
        std::snprintf(text, sizeof text, "%.1f / %.1f / %.1f ms, %zu keys, %d missed",
                      median(p.keyToFrameMilliseconds), percentile(p.keyToFrameMilliseconds, 0.9),
                      percentile(p.keyToFrameMilliseconds, 1.0), p.keyToFrameMilliseconds.size(),
                      p.missedKeys);
    return text;
}

void printPaceTable(const std::vector<std::string>& games, const std::vector<Pace>& paces,
                    const std::vector<FrameCost>& costs) {
    std::printf("\n| game | screen | steps/s | frames/s | p99 swap interval | max swap interval | "
                "key to frame: median / p90 / max | CPU time per second | unpaced frame cost x "
                "60, wall / CPU | CPU against them | CPU of frames 1/60 s apart by a sleep | CPU "
                "against it |\n|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (std::size_t i = 0; i < paces.size(); ++i) {
        const Pace& p = paces[i];
        const FrameCost& cost = costs[i % costs.size()];
        std::printf(
            "| %s | %s | %.2f | %.2f | %.1f ms | %.1f ms | %s | %.3f s | %.3f s / %.3f s "
            "| %.2f x / %.2f x | %.3f s | %.2f x |\n",
            games[i / costs.size()].c_str(), pacedScreens[i % costs.size()].name, p.stepsPerSecond,
            p.framesPerSecond, p.p99IntervalMilliseconds, p.maxIntervalMilliseconds,
            keyToFrameColumn(p).c_str(), p.cpuSecondsPerSecond, 60.0 * cost.wallSeconds,
            60.0 * cost.cpuSeconds, p.cpuSecondsPerSecond / (60.0 * cost.wallSeconds),
            p.cpuSecondsPerSecond / (60.0 * cost.cpuSeconds), 60.0 * cost.sleepPacedCpuSeconds,
            p.cpuSecondsPerSecond / (60.0 * cost.sleepPacedCpuSeconds));
    }
}

// The paced game at full screen: its pace alone (the bench's own window, which gives the frame
// costs beside the other table, is 640x480).
void printFullScreenPaceTable(const std::vector<std::string>& games,
                              const std::vector<Pace>& paces) {
    std::printf("\n| game | screen at %dx%d, one llvmpipe thread | steps/s | frames/s | p99 swap "
                "interval | max swap interval | key to frame: median / p90 / max | CPU time per "
                "second |\n|---|---|---:|---:|---:|---:|---:|---:|\n",
                fullScreenWidth, fullScreenHeight);
    const std::size_t screens = std::size(pacedScreens);
    for (std::size_t i = 0; i < paces.size(); ++i) {
        const Pace& p = paces[i];
        std::printf("| %s | %s | %.2f | %.2f | %.1f ms | %.1f ms | %s | %.3f s |\n",
                    games[i / screens].c_str(), pacedScreens[i % screens].name, p.stepsPerSecond,
                    p.framesPerSecond, p.p99IntervalMilliseconds, p.maxIntervalMilliseconds,
                    keyToFrameColumn(p).c_str(), p.cpuSecondsPerSecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PROBE_LIBRARY VIRTUAL_PAD_LIBRARY GAME [GAME...]\n",
                     argv[0]);
        return 2;
    }
    const std::string probe = argv[1];
    const std::string pad = argv[2];
    const std::vector<std::string> games(argv + 3, argv + argc);
    const double paceSeconds = environmentNumber("RUKO_BENCH_PACE_SECONDS", 10.0);
    const int presses = static_cast<int>(environmentNumber("RUKO_BENCH_PRESSES", 38));
    const double unpacedSeconds = environmentNumber("RUKO_BENCH_SECONDS", 2.0);
    const std::string loadBefore = loadAverage();

    GameOptions withPad;
    withPad.padLibrary = pad;
    GameOptions fullScreen;
    fullScreen.arguments = {"-geometry", fullScreenGeometry};
    fullScreen.llvmpipeThreads = "1";
    fullScreen.sampledHash = true;
    std::vector<LatencyRow> latencies;
    std::vector<LatencyRow> fullScreenLatencies;
    std::vector<Pace> paces;
    std::vector<Pace> fullScreenPaces;
    for (const std::string& game : games) {
        latencies.push_back({game, "keys (w, x)", keyToFrame(game, probe, presses, {})});
        latencies.push_back(
            {game, "virtual pad (X, A)", keyToFrame(game, probe, presses, withPad)});
        for (const PacedScreen& screen : pacedScreens)
            paces.push_back(pace(game, probe, screen, paceSeconds));
        fullScreenLatencies.push_back(
            {game, "keys (w, x)", keyToFrame(game, probe, presses, fullScreen)});
        for (const PacedScreen& screen : pacedScreens)
            fullScreenPaces.push_back(pace(game, probe, screen, paceSeconds, fullScreen));
    }

    // The frame cost, in the bench's own window once the games are gone.
    int glutArgc = 1;
    openGameWindow(&glutArgc, argv);
    initResources();
    std::vector<FrameCost> costs;
    for (const PacedScreen& screen : pacedScreens)
        costs.push_back(frameCost(screen.enter, unpacedSeconds));

    std::printf("Machine: %s, %d logical cores, %ld MiB; %s; window %dx%d; load average %s "
                "before, %s after.\n\n",
                cpuModel().c_str(), logicalCores(), memoryMiB(), glRendererAndVersion().c_str(),
                startWindowWidth, startWindowHeight, loadBefore.c_str(), loadAverage().c_str());
    printLatencyTable(latencies);
    printPaceTable(games, paces, costs);
    std::printf("\nThe same games at %dx%d (-geometry %s), llvmpipe on one thread "
                "(LP_NUM_THREADS=1):\n\n",
                fullScreenWidth, fullScreenHeight, fullScreenGeometry);
    printLatencyTable(fullScreenLatencies);
    printFullScreenPaceTable(games, fullScreenPaces);
    return 0;
}
