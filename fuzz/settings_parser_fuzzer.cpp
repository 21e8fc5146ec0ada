// parseSettings on arbitrary text: whatever the lines, the result is a valid set of settings
// (every key of the keyboard, no key doing two actions, the volume in range), each problem
// names a line of the text (or the whole text, line 0, alone) in printable ASCII and the
// visible characters of ISO 8859-1 in UTF-8, and its printed form reads back the same with no
// problem. The text saved with other settings (its keys turned round, another volume) reads as
// those.

#include "input/settings.h"
#include "input/settings_writer.h"

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

// Printable ASCII, or a visible character of ISO 8859-1 in UTF-8 (two bytes, 0xC2 or 0xC3
// first).
bool shownSafely(const std::string& text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte >= ' ' && byte <= '~')
            continue;
        const auto next = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
        const int code = (byte & 0x03) << 6 | (next & 0x3F);
        if ((byte != 0xC2 && byte != 0xC3) || (next & 0xC0) != 0x80 || code <= 0xA0 || code == 0xAD)
            return false;
        ++at;
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
        if (!shownSafely(problem.text))
            std::abort();
    }
    if (!valid(settings))
        std::abort();
    std::vector<SettingsProblem> again;
    if (!same(parseSettings(formatSettings(settings), again), settings) || !again.empty())
        std::abort();
    if (problems.size() == 1 && problems[0].line == 0)
        return 0; // UTF-16: never rewritten
    Settings chosen = settings;
    std::rotate(chosen.keys, chosen.keys + 1, chosen.keys + actionCount);
    chosen.volume = (settings.volume + 37) % 101;
    const std::string saved = settingsTextWith(text, chosen, "\r\n");
    // A lone zero byte first is taken for UTF-16 once a line follows it.
    if (!isUtf16(saved) && !same(parseSettings(saved, again), chosen))
        std::abort();
    return 0;
}
