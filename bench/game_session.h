#pragma once

#include "bench/swap_record.h"

#include <sys/types.h>

#include <string>
#include <vector>

struct _XDisplay;

// How a game is started beyond the probe.
struct GameOptions {
    // With it (tests/support/virtual_pad.cpp) preloaded too, the game gets a virtual pad that
    // GameSession::tapPad plays, if the game reads pads.
    std::string padLibrary;
    std::vector<std::string> arguments;    // the game's command line after its name
    const char* llvmpipeThreads = nullptr; // LP_NUM_THREADS, else llvmpipe's default
    // Frames hashed by a sample of their pixels (bench/swap_probe.cpp): a large frame's hash
    // would otherwise add milliseconds to each frame.
    bool sampledHash = false;
};

// The real game in a process of its own under bench/swap_probe, on the bench's X display,
// driven by real key events (XTest) sent to its focused window, with empty config, state and
// home folders of its own. The game must be the only window titled "RUKO" on the display.
class GameSession {
  public:
    // Starts `game` in the working directory (Data/ must be there) and waits for its window
    // and first frames; `hashFrames` has the probe hash every frame it swaps.
    GameSession(const std::string& game, const std::string& probeLibrary, bool hashFrames,
                const GameOptions& options = {});
    ~GameSession(); // ends the game, by its pid
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    bool ready() const { return window_ != 0; }
    // Presses and releases a key; returns CLOCK_MONOTONIC (ns) just before the press was sent.
    long long press(unsigned long keySym); // an XK_ value of X11/keysym.h
    // Whether the game took the virtual pad; then presses and releases a button of it (SDL's
    // name), returning CLOCK_MONOTONIC (ns) just before the press was sent.
    bool hasPad() const { return padScript_ >= 0; }
    long long tapPad(const char* button);
    // Every swap so far, in order.
    std::vector<SwapRecord> swaps() const;
    // When the game read each key press from X so far (CLOCK_MONOTONIC, ns), in order.
    std::vector<long long> keyReads() const;
    // CPU time of the game's process (all its threads) so far, in seconds.
    double cpuSeconds() const;
    // The last checkpoint of the recording the game makes as it plays ("STEP check screen=..."),
    // empty before the first: the game's own clock, a line every 60 steps.
    std::string lastCheckpoint() const;

  private:
    pid_t pid_ = -1;
    std::string log_;
    std::string folder_;           // the game's own config, state and home folders
    _XDisplay* display_ = nullptr; // Xlib's Display: its header clashes with the game's names
    unsigned long window_ = 0;
    std::string padFifo_;
    int padScript_ = -1;
};

void sleepMilliseconds(double milliseconds);
