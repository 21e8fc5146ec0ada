// make bench-full-screen (also part of make bench): every screen's frame rate in a 1920x1080
// window, llvmpipe on one thread and on its default count, each against the bare
// clear-and-swap frame at that size, as a Markdown table.
//
//   full_screen_bench           the table: each thread count measured by a run of its own
//   full_screen_bench --rates   one run in this process: the renderer, then "rate<TAB>screen"
// Run from the project root on a screen of at least 1920x1080. llvmpipe reads LP_NUM_THREADS
// once, when the first context is made: hence a process for each count. RUKO_BENCH_SECONDS
// (per screen, default 2) changes the effort.

#include "bench/full_screen.h"
#include "bench/machine_info.h"
#include "bench/screen_frames.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run {
    std::string renderer;
    std::vector<ScreenFrameRate> rates;
};

int printRates(char** argv) {
    int glutArgc = 1;
    openFullScreenWindow(&glutArgc, argv);
    const char* seconds = std::getenv("RUKO_BENCH_SECONDS");
    const std::vector<ScreenFrameRate> rates =
        measureEveryScreen(seconds ? std::atof(seconds) : 2.0);
    std::printf("%s\n", glRendererAndVersion().c_str());
    for (const ScreenFrameRate& rate : rates)
        std::printf("%f\t%s\n", rate.framesPerSecond, rate.screen.c_str());
    return 0;
}

// This program's --rates run with LP_NUM_THREADS set to `threads`, or unset.
Run measure(const std::string& self, const char* threads) {
    if (threads)
        setenv("LP_NUM_THREADS", threads, 1);
    else
        unsetenv("LP_NUM_THREADS");
    const std::string command = "'" + self + "' --rates";
    std::FILE* out = popen(command.c_str(), "r");
    Run run;
    char line[512];
    if (out && std::fgets(line, sizeof line, out)) {
        run.renderer.assign(line, std::strcspn(line, "\n"));
        double rate = 0.0;
        char screen[256];
        while (std::fscanf(out, "%lf\t%255[^\n]\n", &rate, screen) == 2)
            run.rates.push_back({screen, rate});
    }
    if (!out || pclose(out) != 0 || run.rates.empty()) {
        std::fprintf(stderr, "%s with LP_NUM_THREADS=%s failed\n", command.c_str(),
                     threads ? threads : "(unset)");
        std::exit(1);
    }
    return run;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--rates") == 0)
        return printRates(argv);
    if (argc != 1) {
        std::fprintf(stderr, "usage: %s [--rates]\n", argv[0]);
        return 2;
    }
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) < 0) {
        std::perror("/proc/self/exe");
        return 1;
    }
    const std::string loadBefore = loadAverage();
    const Run one = measure(self, "1");
    const Run many = measure(self, nullptr);

    std::printf("Machine: %s, %d logical cores, %ld MiB; %s; window %dx%d; load average %s "
                "before, %s after.\n\n",
                cpuModel().c_str(), logicalCores(), memoryMiB(), one.renderer.c_str(),
                fullScreenWidth, fullScreenHeight, loadBefore.c_str(), loadAverage().c_str());
    std::printf(
        "| screen at %dx%d | one thread: frames/s | against the bare frame | default "
        "threads (%d cores): frames/s | against the bare frame |\n|---|---:|---:|---:|---:|\n",
        fullScreenWidth, fullScreenHeight, logicalCores());
    const double bareOne = one.rates.front().framesPerSecond;
    const double bareMany = many.rates.front().framesPerSecond;
    for (std::size_t i = 0; i < one.rates.size() && i < many.rates.size(); ++i) {
        std::printf("| %s | %.0f | %.3f | %.0f | %.3f |\n", one.rates[i].screen.c_str(),
                    one.rates[i].framesPerSecond, one.rates[i].framesPerSecond / bareOne,
                    many.rates[i].framesPerSecond, many.rates[i].framesPerSecond / bareMany);
    }
    return 0;
}
