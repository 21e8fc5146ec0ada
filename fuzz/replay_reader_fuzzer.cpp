// parseReplay on arbitrary text: it reads a recording or names one line of it in printable
// ASCII, and what it reads, written out again, reads back the same.

#include "replay/replay_lines.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Replay replay;
    int line = 0;
    std::string error;
    if (!parseReplay(text, replay, line, error)) {
        if (line < 1 || error.empty())
            std::abort();
        for (const char c : error)
            if (c < ' ' || c > '~')
                std::abort();
        return 0;
    }
    std::string written = replayHeader() + "\n";
    for (const ReplayEvent& event : replay.events)
        written += formatReplayEvent(replay, event) + "\n";
    Replay again;
    if (!parseReplay(written, again, line, error) || again.events.size() != replay.events.size() ||
        again.lastLineCut)
        std::abort();
    for (std::size_t i = 0; i < again.events.size(); ++i)
        if (formatReplayEvent(again, again.events[i]) !=
            formatReplayEvent(replay, replay.events[i]))
            std::abort();
    return 0;
}
