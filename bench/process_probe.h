#pragma once

#include <string>
#include <vector>

// Start-up time and peak memory of a separate GLUT program, through the preloaded
// swap_probe library.

struct ProbeResult {
    bool ok;
    double firstFrameMilliseconds; // from just before the fork to the first swap
    long peakResidentKiB;          // at the last of the swaps asked for
};

// In a forked child: runs `program` with `arguments`, the probe preloaded and its output
// discarded, once the caller has set the probe's RUKO_PROBE_ variables.
[[noreturn]] void execUnderProbe(const std::string& program, const std::string& probeLibrary,
                                 const std::vector<std::string>& arguments = {});

// Starts `program` in the working directory with its output discarded, and lets it draw
// `swaps` frames.
ProbeResult runProbed(const std::string& program, const std::string& probeLibrary, int swaps);
