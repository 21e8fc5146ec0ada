#include "input/settings_writer.h"

#include "input/settings.h"
#include "platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

int writeNewSettingsFile() {
    const std::string path = settingsFilePath();
    if (path.empty()) {
        std::fputs("ruko: no place for a settings file: no home folder is set\n", stderr);
        return 1;
    }
    std::FILE* file = createNewFile(path);
    if (!file && errno == EEXIST) {
        std::fprintf(stderr, "ruko: %s is there already: left as it is\n", path.c_str());
        return 1;
    }
    bool written = file && std::fputs(formatSettings(defaultSettings()).c_str(), file) >= 0;
    written = file && std::fclose(file) == 0 && written;
    if (!written) {
        std::fprintf(stderr, "ruko: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    std::printf("Settings written to %s: the usual keys and volume, to change there\n",
                path.c_str());
    return 0;
}

namespace {

// The largest file saving reads, as the game reads no larger one.
constexpr std::size_t largestSettingsFile = 64 * 1024;

struct Entry {
    std::string section;
    std::string name;
    std::string value;
};

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool isComment(const std::string& text) {
    return !text.empty() && (text[0] == '#' || text[0] == ';');
}

// The section a header line opens ("" for a line that is none), as the reader takes it.
std::string headerName(const std::string& line) {
    const std::string text = trimmed(line);
    if (text.empty() || text[0] != '[')
        return {};
    const std::size_t close = text.find(']');
    const std::string after = close == std::string::npos ? "?" : trimmed(text.substr(close + 1));
    if (!after.empty() && !isComment(after))
        return "?";
    return text.substr(1, close - 1);
}

// The name of a `name = value` line, empty for any other line.
std::string entryName(const std::string& line) {
    const std::string text = trimmed(line);
    const std::size_t equals = text.find('=');
    if (text.empty() || isComment(text) || text[0] == '[' || equals == std::string::npos)
        return {};
    return trimmed(text.substr(0, equals));
}

// The name = value lines of formatSettings, with their sections.
std::vector<Entry> entriesOf(const Settings& settings) {
    std::vector<Entry> entries;
    std::string section;
    const std::string text = formatSettings(settings);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const std::string header = headerName(line);
        const std::string name = entryName(line);
        if (!header.empty())
            section = header;
        else if (!name.empty())
            entries.push_back({section, name, trimmed(line.substr(line.find('=') + 1))});
    }
    return entries;
}

bool sameEntry(const Entry& entry, const std::string& section, const std::string& name) {
    return entry.section == section && entry.name == name;
}

// The text with the values of `written` in place of theirs, and those it lacks added.
std::string rewritten(const std::string& text, const std::vector<Entry>& written) {
    const std::size_t markLength = startsWithUtf8Mark(text) ? 3 : 0;
    const std::string newline = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::vector<std::string> lines;
    for (std::size_t start = markLength; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    std::vector<bool> found(written.size(), false);
    // Per section, the line after which a name it lacks goes: its last name = value line, or its
    // header; a comment after it may be about what follows.
    std::vector<std::pair<std::string, std::size_t>> sectionEnds;
    std::string section;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string& line = lines[i];
        const std::string header = headerName(line);
        if (!header.empty()) {
            section = header;
            sectionEnds.push_back({section, i});
            continue;
        }
        const std::string name = entryName(line);
        if (!name.empty() && !sectionEnds.empty())
            sectionEnds.back().second = i;
        for (std::size_t e = 0; e < written.size(); ++e) {
            if (name.empty() || !sameEntry(written[e], section, name))
                continue;
            found[e] = true;
            const std::size_t equals = line.find('=');
            const std::size_t end = line.find_last_not_of(" \t\r\n");
            const std::size_t valueStart = line.find_first_not_of(" \t", equals + 1);
            if (valueStart == std::string::npos || valueStart > end)
                line.insert(equals + 1, " " + written[e].value);
            else
                line.replace(valueStart, end + 1 - valueStart, written[e].value);
        }
    }
    // Names added to a section already there, backwards so that indices stay right.
    std::vector<std::string> addedSections;
    for (std::size_t e = written.size(); e-- > 0;) {
        if (found[e])
            continue;
        const Entry& entry = written[e];
        auto place = sectionEnds.rend();
        for (auto s = sectionEnds.rbegin(); s != sectionEnds.rend(); ++s)
            if (s->first == entry.section) {
                place = s;
                break;
            }
        if (place == sectionEnds.rend())
            continue;
        std::string& after = lines[place->second];
        if (after.empty() || after.back() != '\n')
            after += newline;
        after += entry.name + " = " + entry.value + newline;
        found[e] = true;
    }
    std::string result = text.substr(0, markLength);
    for (const std::string& line : lines)
        result += line;
    // Sections missing altogether, at the end.
    for (std::size_t e = 0; e < written.size(); ++e) {
        if (found[e])
            continue;
        if (result.size() > markLength && result.back() != '\n')
            result += newline;
        if (result.size() > markLength)
            result += newline;
        result += "[" + written[e].section + "]" + newline;
        for (std::size_t other = e; other < written.size(); ++other)
            if (!found[other] && written[other].section == written[e].section) {
                result += written[other].name + " = " + written[other].value + newline;
                found[other] = true;
            }
    }
    return result;
}

} // namespace

// The values written are those that read otherwise; writing one may let another line of the
// file apply (a key it gave up for a clash): then that one is written too, until the text
// reads as chosen.
std::string settingsTextWith(const std::string& text, const Settings& chosen) {
    const std::size_t markLength = startsWithUtf8Mark(text) ? 3 : 0;
    if (trimmed(text.substr(markLength)).empty())
        return text.substr(0, markLength) + formatSettings(chosen);
    const std::vector<Entry> wanted = entriesOf(chosen);
    std::vector<Entry> written;
    std::string result = text;
    for (;;) {
        std::vector<SettingsProblem> problems;
        const std::vector<Entry> read = entriesOf(parseSettings(result, problems));
        bool added = false;
        for (std::size_t e = 0; e < wanted.size(); ++e) {
            const bool writing =
                std::any_of(written.begin(), written.end(), [&](const Entry& entry) {
                    return sameEntry(entry, wanted[e].section, wanted[e].name);
                });
            if (read[e].value != wanted[e].value && !writing) {
                written.push_back(wanted[e]);
                added = true;
            }
        }
        if (!added)
            return result;
        result = rewritten(text, written);
    }
}

bool saveSettings(const Settings& chosen, std::string& problem) {
    const std::string path = settingsFilePath();
    if (path.empty()) {
        problem = "no place for a settings file: no home folder is set";
        return false;
    }
    std::string text;
    bool regular = true;
    if (std::FILE* file = openRegularFile(path, regular)) {
        text.resize(largestSettingsFile + 1);
        text.resize(std::fread(&text[0], 1, text.size(), file));
        const bool readError = std::ferror(file);
        std::fclose(file);
        if (readError)
            problem = "cannot read " + path;
        else if (text.size() > largestSettingsFile)
            problem = path + " is larger than 64 KiB";
        else if (isUtf16(text))
            problem = path + " is UTF-16 text, save it as UTF-8";
    } else if (!regular) {
        problem = path + " is not a regular file";
    } else if (errno != ENOENT) {
        problem = "cannot read " + path + ": " + std::strerror(errno);
    }
    if (problem.empty() && !replaceFile(path, settingsTextWith(text, chosen)))
        problem = "cannot write " + path + ": " + std::strerror(errno);
    return problem.empty();
}
