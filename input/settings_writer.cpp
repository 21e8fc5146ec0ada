#include "input/settings_writer.h"

#include "input/settings.h"
#include "input/settings_lines.h"
#include "platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// The whole file, its lines ending as the system's own.
std::string withLineEnds(const std::string& text, const std::string& lineEnd) {
    std::string ended;
    for (const char c : text)
        ended += c == '\n' ? lineEnd : std::string(1, c);
    return ended;
}

std::string newFileText(const Settings& settings) {
    return withLineEnds(formatSettings(settings), nativeLineEnd());
}

} // namespace

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
    bool written = file && std::fputs(newFileText(defaultSettings()).c_str(), file) >= 0;
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

struct Entry {
    std::string section;
    std::string name;
    std::string value;
};

// The line without its \n.
std::string lineBody(const std::string& line) {
    return !line.empty() && line.back() == '\n' ? line.substr(0, line.size() - 1) : line;
}

// The section a header opens: one that is not well formed, or [], is none the game has.
std::string sectionOf(const SettingsLine& header) {
    return header.wellFormed ? header.name : std::string();
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
        const SettingsLine read = readSettingsLine(line);
        if (read.kind == LineKind::header)
            section = sectionOf(read);
        else if (read.kind == LineKind::entry)
            entries.push_back({section, read.name,
                               line.substr(read.valueStart, read.valueEnd - read.valueStart)});
    }
    return entries;
}

bool sameEntry(const Entry& entry, const std::string& section, const std::string& name) {
    return !section.empty() && entry.section == section && entry.name == name;
}

// The text's own line end; `lineEnd` when it has none.
std::string lineEndOf(const std::string& text, const std::string& lineEnd) {
    if (text.find("\r\n") != std::string::npos)
        return "\r\n";
    return text.find('\n') != std::string::npos ? "\n" : lineEnd;
}

// The text with the values of `written` in place of theirs, and those it lacks added.
std::string rewritten(const std::string& text, const std::vector<Entry>& written,
                      const std::string& lineEnd) {
    const std::size_t markLength = startsWithUtf8Mark(text) ? 3 : 0;
    const std::string newline = lineEndOf(text, lineEnd);
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
        const SettingsLine read = readSettingsLine(lineBody(line));
        if (read.kind == LineKind::header) {
            section = sectionOf(read);
            sectionEnds.push_back({section, i});
            continue;
        }
        if (read.kind != LineKind::entry)
            continue;
        if (!sectionEnds.empty())
            sectionEnds.back().second = i;
        for (std::size_t e = 0; e < written.size(); ++e) {
            if (!sameEntry(written[e], section, read.name))
                continue;
            found[e] = true;
            const bool empty = read.valueStart == read.valueEnd;
            line.replace(read.valueStart, read.valueEnd - read.valueStart,
                         empty ? " " + written[e].value : written[e].value);
        }
    }
    // Names added to a section already there, backwards so that indices stay right.
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
std::string settingsTextWith(const std::string& text, const Settings& chosen,
                             const std::string& lineEnd) {
    const std::size_t markLength = startsWithUtf8Mark(text) ? 3 : 0;
    if (text.find_first_not_of(" \t\r\n", markLength) == std::string::npos)
        return text.substr(0, markLength) + withLineEnds(formatSettings(chosen), lineEnd);
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
        result = rewritten(text, written, lineEnd);
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
        const int readError = std::ferror(file) ? errno : 0;
        std::fclose(file);
        if (readError)
            problem = "cannot read " + path + ": " + std::strerror(readError);
        else if (text.size() > largestSettingsFile)
            problem = path + " is larger than 64 KiB";
        else if (isUtf16(text))
            problem = path + " is UTF-16 text, save it as UTF-8";
    } else if (!regular) {
        problem = path + " is not a regular file";
    } else if (errno != ENOENT) {
        problem = "cannot read " + path + ": " + std::strerror(errno);
    }
    if (!problem.empty())
        return false;
    const std::string saved = settingsTextWith(text, chosen, nativeLineEnd());
    if (saved != text && !replaceFile(path, saved))
        problem = "cannot write " + path + ": " + std::strerror(errno);
    return problem.empty();
}
