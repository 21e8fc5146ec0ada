#pragma once

#include <string>

// Start-up time and peak memory of a separate GLUT program, through the preloaded
// swap_probe library.

struct ProbeResult {
    bool ok;
    double firstFrameMilliseconds; // from just before the fork to the first swap
    long peakResidentKiB;          // at the last of the swaps asked for
};

// Starts `program` in the working directory with its output discarded, and lets it draw
// `swaps` frames.
ProbeResult runProbed(const std::string& program, const std::string& probeLibrary, int swaps);
