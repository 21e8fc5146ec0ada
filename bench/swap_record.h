#pragma once

#include <cstdint>
#include <ctime>

// CLOCK_MONOTONIC in nanoseconds: the clock of the records, for the bench to compare with.
inline long long monotonicNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// One buffer swap as bench/swap_probe logs it: when it ended, and a hash of the frame.
struct SwapRecord {
    long long monotonicNanoseconds; // CLOCK_MONOTONIC just after the swap
    std::uint64_t frameHash;        // 0 unless frames are hashed
};
