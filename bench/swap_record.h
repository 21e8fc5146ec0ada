#pragma once

#include <cstdint>

// One buffer swap as bench/swap_probe logs it: when it ended, and a hash of the frame.
struct SwapRecord {
    long long monotonicNanoseconds; // CLOCK_MONOTONIC just after the swap
    std::uint64_t frameHash;        // 0 unless frames are hashed
};
