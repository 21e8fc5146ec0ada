#include "bench/paced_run.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

constexpr double checkpointPollMilliseconds = 10.0;
constexpr double reachSeconds = 300.0; // a recording played to its screen at a slow pace
constexpr long long keyReadNanoseconds = 500000000LL;

void reachCheckpointScreen(const GameSession& session, const PacedScreen& screen,
                           const std::string& game) {
    const std::string wanted = std::string(" check screen=") + screen.checkpointScreen + " ";
    for (double waited = 0.0; waited < reachSeconds * 1000.0; waited += 100.0) {
        if (session.lastCheckpoint().find(wanted) != std::string::npos)
            return;
        sleepMilliseconds(100.0);
    }
    std::fprintf(stderr, "%s never reached the %s\n", game.c_str(), screen.name);
    std::exit(1);
}

} // namespace

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * values.size()));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

void pressAll(GameSession& session, const std::vector<unsigned long>& keys) {
    for (unsigned long key : keys) {
        session.press(key);
        sleepMilliseconds(navigationGapMilliseconds);
    }
    sleepMilliseconds(settleMilliseconds);
}

void cannotStart(const std::string& game) {
    std::fprintf(stderr, "%s showed no RUKO window under the probe\n", game.c_str());
    std::exit(1);
}

// Steps a second are timed by when each checkpoint line first shows in the recording (read
// every 10 ms): every step asks for a frame, but a frame may carry several steps.
Pace pace(const std::string& game, const std::string& probe, const PacedScreen& screen,
          double seconds, const GameOptions& options) {
    GameOptions run = options;
    if (screen.replay)
        run.arguments.insert(run.arguments.end(), {"--replay", screen.replay});
    GameSession session(game, probe, false, run);
    if (!session.ready())
        cannotStart(game);
    pressAll(session, screen.keys);
    if (screen.checkpointScreen) {
        reachCheckpointScreen(session, screen, game);
        sleepMilliseconds(settleMilliseconds);
    }
    const long long start = monotonicNow();
    const long long end = start + static_cast<long long>(seconds * 1e9);
    const double cpuStart = session.cpuSeconds();
    std::vector<std::pair<long long, long long>> checkpoints; // when first seen, step
    std::vector<long long> sent;
    std::string last = session.lastCheckpoint();
    long long nextKey = start + 400000000LL;
    while (monotonicNow() < end) {
        sleepMilliseconds(checkpointPollMilliseconds);
        if (const std::string now = session.lastCheckpoint(); now != last) {
            checkpoints.emplace_back(monotonicNow(), std::atoll(now.c_str()));
            last = now;
        }
        if (monotonicNow() >= nextKey && nextKey < end - keyReadNanoseconds) {
            sent.push_back(session.press(screen.probeKey));
            nextKey += 400000000LL + (sent.size() * 7919 % 311) * 1000000LL;
        }
    }
    const double cpuEnd = session.cpuSeconds();

    std::vector<long long> times;
    for (const SwapRecord& swap : session.swaps()) {
        if (swap.monotonicNanoseconds >= start && swap.monotonicNanoseconds < end)
            times.push_back(swap.monotonicNanoseconds);
    }
    std::vector<double> intervals;
    for (std::size_t i = 1; i < times.size(); ++i)
        intervals.push_back((times[i] - times[i - 1]) / 1e6);
    if (intervals.empty() || checkpoints.size() < 2) {
        std::fprintf(stderr, "%s drew no frames or ran no steps on the %s\n", game.c_str(),
                     screen.name);
        std::exit(1);
    }
    Pace result{};
    result.stepsPerSecond = (checkpoints.back().second - checkpoints.front().second) /
                            ((checkpoints.back().first - checkpoints.front().first) / 1e9);
    result.framesPerSecond = intervals.size() / ((times.back() - times.front()) / 1e9);
    result.p99IntervalMilliseconds = percentile(intervals, 0.99);
    result.maxIntervalMilliseconds = *std::max_element(intervals.begin(), intervals.end());
    result.cpuSecondsPerSecond = (cpuEnd - cpuStart) / ((end - start) / 1e9);

    const std::vector<long long> reads = session.keyReads();
    const std::vector<SwapRecord> swaps = session.swaps();
    auto read = reads.begin();
    for (long long key : sent) {
        read = std::find_if(read, reads.end(), [key](long long r) { return r >= key; });
        const auto frame = read == reads.end()
                               ? swaps.end()
                               : std::find_if(swaps.begin(), swaps.end(), [&](const SwapRecord& s) {
                                     return s.monotonicNanoseconds > *read;
                                 });
        if (read == reads.end() || *read - key > keyReadNanoseconds || frame == swaps.end()) {
            ++result.missedKeys;
            continue;
        }
        result.keyToFrameMilliseconds.push_back((frame->monotonicNanoseconds - key) / 1e6);
        ++read;
    }
    return result;
}
