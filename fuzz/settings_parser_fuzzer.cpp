// parseSettings on arbitrary text: whatever the lines, the result is a valid set of settings
// (every key of the keyboard, no key doing two actions, the volume in range), each problem
// names a line of the text (or the whole text, line 0, alone) in printable ASCII, and its
// printed form reads back the same with no problem.

#include "input/settings.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool valid(const Settings& settings) {
    if (settings.volume < 0 || settings.volume > 100)
        return false;
    for (int a = 0; a < actionCount; ++a) {
        if (settings.keys[a] <= 0)
            return false;
        for (int b = a + 1; b < actionCount; ++b)
            if (settings.keys[a] == settings.keys[b])
                return false;
    }
    return true;
}

bool same(const Settings& a, const Settings& b) {
    for (int i = 0; i < actionCount; ++i)
        if (a.keys[i] != b.keys[i])
            return false;
    return a.volume == b.volume;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<SettingsProblem> problems;
    const Settings settings = parseSettings(text, problems);
    const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    for (const SettingsProblem& problem : problems) {
        if (problem.line < 0 || problem.line > lines || problem.text.empty() ||
            (problem.line == 0 && problems.size() != 1))
            std::abort();
        for (const char c : problem.text)
            if (c < ' ' || c > '~')
                std::abort();
    }
    if (!valid(settings))
        std::abort();
    std::vector<SettingsProblem> again;
    if (!same(parseSettings(formatSettings(settings), again), settings) || !again.empty())
        std::abort();
    return 0;
}
