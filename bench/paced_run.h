#pragma once

#include "bench/game_session.h"

#include <string>
#include <vector>

// One screen of the real game left to run paced, as a player sees it.
struct PacedScreen {
    const char* name;
    std::vector<unsigned long> keys; // from the title (XK_ values)
    const char* replay;              // else a recording played to get there (--replay)
    const char* checkpointScreen;    // with it: the screen its checkpoints name once there
    unsigned long probeKey;          // pressed now and then while it runs
    void (*enter)();                 // the same screen in the bench's own window, unpaced
};

struct Pace {
    double stepsPerSecond;  // by the game's own clock: its recording's checkpoints
    double framesPerSecond; // buffer swaps
    double p99IntervalMilliseconds;
    double maxIntervalMilliseconds;
    double cpuSecondsPerSecond;
    // From each probe key sent to the first frame swapped after the game read it (the frame of
    // the pass that handled it); keys the game did not read within half a second are missed.
    std::vector<double> keyToFrameMilliseconds;
    int missedKeys;
};

// Runs the screen in a game of its own for `seconds` once it is there, pressing its probe key
// at uneven gaps of 400 to 710 ms.
Pace pace(const std::string& game, const std::string& probe, const PacedScreen& screen,
          double seconds, const GameOptions& options = {});

// Nearest rank: the smallest value with at least `fraction` of them at or below it.
double percentile(std::vector<double> values, double fraction);

void pressAll(GameSession& session, const std::vector<unsigned long>& keys);
[[noreturn]] void cannotStart(const std::string& game);

constexpr double navigationGapMilliseconds = 400.0;
constexpr double settleMilliseconds = 1000.0;
