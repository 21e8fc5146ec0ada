#include "replay/replay_file.h"

#include "input/key_names.h"
#include "platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr char formatName[] = "ruko-replay";
constexpr int formatVersion = 1;
constexpr int maximumWindowSide = 65535;
constexpr int menuEntries = 5;
constexpr char boundsText[] =
    "a recording holds at most 24 hours of play (5184000 steps) and 16 MiB";

struct EventWord {
    const char* word;
    ReplayEventKind kind;
};

constexpr EventWord eventWords[] = {
    {"keys", ReplayEventKind::keys},   {"key", ReplayEventKind::key},
    {"menu", ReplayEventKind::menu},   {"click", ReplayEventKind::click},
    {"pad", ReplayEventKind::pad},     {"hidden", ReplayEventKind::hidden},
    {"shown", ReplayEventKind::shown}, {"size", ReplayEventKind::size},
    {"check", ReplayEventKind::check}, {"quit", ReplayEventKind::quit},
};

struct InputWord {
    ReplayEventKind replayKind;
    InputKind inputKind;
};

constexpr InputWord inputWords[] = {
    {ReplayEventKind::key, InputKind::key},       {ReplayEventKind::menu, InputKind::menu},
    {ReplayEventKind::click, InputKind::click},   {ReplayEventKind::pad, InputKind::pad},
    {ReplayEventKind::hidden, InputKind::hidden}, {ReplayEventKind::shown, InputKind::shown},
};

const char* wordOf(ReplayEventKind kind) {
    for (const EventWord& entry : eventWords)
        if (entry.kind == kind)
            return entry.word;
    return "";
}

std::string stepWord(std::int64_t step, ReplayEventKind kind) {
    return std::to_string(step) + " " + wordOf(kind);
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string::npos)
            break;
        const std::size_t end = line.find_first_of(" \t", start);
        words.push_back(line.substr(start, end == std::string::npos ? end : end - start));
        at = end == std::string::npos ? line.size() : end;
    }
    return words;
}

// A word of the file as a message shows it: cut short, and every byte that is not visible
// ASCII written as \xNN, so that no byte of the file acts on the terminal.
std::string quoted(const std::string& word) {
    constexpr std::size_t longest = 40;
    std::string text;
    for (std::size_t i = 0; i < word.size() && i < longest; ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        if (c >= ' ' && c < 127 && c != '\\') {
            text += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            text += escaped;
        }
    }
    return "'" + text + (word.size() > longest ? "...'" : "'");
}

bool readNumber(const std::string& word, std::int64_t largest, std::int64_t& value) {
    if (word.empty() || word.size() > 13 ||
        word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoll(word);
    return value <= largest;
}

bool readInt(const std::string& word, int smallest, int largest, int& value) {
    std::int64_t number = 0;
    if (!readNumber(word, largest, number) || number < smallest)
        return false;
    value = static_cast<int>(number);
    return true;
}

bool checkField(const std::string& word) {
    const std::size_t equals = word.find('=');
    return equals != std::string::npos && equals > 0 && equals + 1 < word.size() &&
           word.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == equals &&
           word.find_first_not_of("0123456789abcdefghijklmnopqrstuvwxyz_", equals + 1) ==
               std::string::npos;
}

// What is wrong with an event's words, or empty when they make one.
std::string readEvent(const std::vector<std::string>& words, ReplayEvent& event, Replay& replay) {
    std::int64_t step = 0;
    if (!readNumber(words[0], std::numeric_limits<std::int64_t>::max() / 2, step))
        return "not a step number: " + quoted(words[0]);
    if (step > replayLongestSteps)
        return "step " + words[0] + " is past the end: " + boundsText;
    event.step = static_cast<std::int32_t>(step);
    if (words.size() < 2)
        return "no event after the step";
    const EventWord* found = nullptr;
    for (const EventWord& entry : eventWords)
        if (words[1] == entry.word)
            found = &entry;
    if (!found)
        return "unknown event " + quoted(words[1]);
    event.kind = found->kind;
    const std::size_t arguments = words.size() - 2;
    int number = 0;
    switch (event.kind) {
    case ReplayEventKind::keys: {
        if (arguments != actionCount)
            return "the keys of the " + std::to_string(actionCount) + " actions expected";
        ActionKeys keys{};
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (!replayKeyFromName(words[i + 2], keys[i]))
                return "unknown key " + quoted(words[i + 2]);
            for (std::size_t other = 0; other < i; ++other)
                if (keys[other] == keys[i])
                    return "key " + quoted(words[i + 2]) + " given to two actions";
        }
        event.value = static_cast<std::int32_t>(replay.keySets.size());
        replay.keySets.push_back(keys);
        return {};
    }
    case ReplayEventKind::key:
        if (arguments != 1)
            return "a key event names one key";
        if (!replayKeyFromName(words[2], number))
            return "unknown key " + quoted(words[2]);
        event.value = number;
        return {};
    case ReplayEventKind::menu:
        if (arguments != 1 || !readInt(words[2], 1, menuEntries, number))
            return "a menu event names an entry from 1 to 5";
        event.value = number;
        return {};
    case ReplayEventKind::size: {
        int height = 0;
        if (arguments != 2 || !readInt(words[2], 1, maximumWindowSide, number) ||
            !readInt(words[3], 1, maximumWindowSide, height))
            return "a size event gives a width and a height from 1 to 65535";
        event.value = number;
        event.height = static_cast<std::uint16_t>(height);
        return {};
    }
    case ReplayEventKind::check: {
        if (arguments == 0)
            return "a checkpoint with no field";
        std::string fields;
        for (std::size_t i = 2; i < words.size(); ++i) {
            if (!checkField(words[i]))
                return "not a checkpoint field (name=value): " + quoted(words[i]);
            fields += (i > 2 ? " " : "") + words[i];
        }
        event.value = static_cast<std::int32_t>(replay.checks.size());
        replay.checks.push_back(fields);
        return {};
    }
    default:
        if (arguments != 0)
            return "unexpected " + quoted(words[2]) + " after the event";
        return {};
    }
}

std::string readHeader(const std::vector<std::string>& words, Replay& replay) {
    if (words.size() != 4 || words[0] != formatName || words[2] != "ruko")
        return "not a recording of RUKO (the first line is not 'ruko-replay 1 ruko VERSION')";
    if (words[1] != std::to_string(formatVersion))
        return "a recording in format " + quoted(words[1]) + "; this game reads format " +
               std::to_string(formatVersion);
    replay.gameVersion = words[3];
    return {};
}

// Reads a recording a line at a time, so that a file is never held whole and a bad line
// stops it at once.
struct LineReader {
    Replay& replay;
    int number = 0;
    std::string error;

    // One line without its end; `finished` when an end of line followed it.
    bool read(std::string line, bool finished) {
        ++number;
        if (number == 1 && startsWithUtf8Mark(line))
            line.erase(0, 3); // Notepad's
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::vector<std::string> words = wordsOf(line);
        if (number == 1) {
            error = isUtf16(line) ? "UTF-16 text, save it as UTF-8" : readHeader(words, replay);
        } else if (words.empty() || words[0][0] == '#') {
            return true;
        } else if (!finished) {
            replay.lastLineCut = true; // every line written ends with one
        } else {
            ReplayEvent event;
            event.line = number;
            error = readEvent(words, event, replay);
            if (error.empty() && !replay.events.empty() && event.step < replay.events.back().step)
                error = "step " + words[0] + " after step " +
                        std::to_string(replay.events.back().step) + ": steps go backwards";
            if (error.empty())
                replay.events.push_back(event);
        }
        return error.empty();
    }

    // The text's whole lines read; what is left is the start of a line to come.
    bool readLines(std::string& text) {
        std::size_t at = 0;
        for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
            if (!read(text.substr(at, end - at), true))
                return false;
        text.erase(0, at);
        return true;
    }

    bool finish(const std::string& rest) {
        return (rest.empty() && number > 0) || read(rest, false);
    }
};

} // namespace

std::string replayHeader() {
    return std::string(formatName) + " " + std::to_string(formatVersion) + " ruko " RUKO_VERSION;
}

// A recording stays ASCII: é is \xe9 there.
std::string replayKeyName(KeyCode key) {
    std::string name = keyName(key);
    if (!name.empty() && !isBeyondAscii(key))
        return name;
    char text[16];
    if (key < specialKeyBase)
        std::snprintf(text, sizeof text, "\\x%02x", key);
    else
        std::snprintf(text, sizeof text, "s%d", key - specialKeyBase);
    return text;
}

bool replayKeyFromName(const std::string& name, KeyCode& key) {
    if (keyFromName(name, key) && !isBeyondAscii(key))
        return true;
    int number = 0;
    if (name.size() == 4 && name.compare(0, 2, "\\x") == 0 &&
        name.find_first_not_of("0123456789abcdef", 2) == std::string::npos) {
        key = std::stoi(name.substr(2), nullptr, 16);
        return true;
    }
    if (name.size() > 1 && name[0] == 's' && readInt(name.substr(1), 0, 255, number)) {
        key = specialKeyBase + number;
        return true;
    }
    return false;
}

std::string keysLine(std::int64_t step, const ActionKeys& keys) {
    std::string line = stepWord(step, ReplayEventKind::keys);
    for (KeyCode key : keys)
        line += " " + replayKeyName(key);
    return line;
}

std::string inputLine(std::int64_t step, const InputEvent& event) {
    for (const InputWord& entry : inputWords) {
        if (entry.inputKind != event.kind)
            continue;
        const std::string line = stepWord(step, entry.replayKind);
        if (event.kind == InputKind::key)
            return line + " " + replayKeyName(event.value);
        if (event.kind == InputKind::menu)
            return line + " " + std::to_string(event.value);
        return line;
    }
    return {};
}

std::string checkLine(std::int64_t step, const std::string& fields) {
    return stepWord(step, ReplayEventKind::check) + " " + fields;
}

std::string quitLine(std::int64_t step) {
    return stepWord(step, ReplayEventKind::quit);
}

InputEvent inputOf(const ReplayEvent& event) {
    for (const InputWord& entry : inputWords)
        if (entry.replayKind == event.kind)
            return {entry.inputKind, event.value};
    return {};
}

std::string formatReplayEvent(const Replay& replay, const ReplayEvent& event) {
    switch (event.kind) {
    case ReplayEventKind::keys:
        return keysLine(event.step, replay.keySets[event.value]);
    case ReplayEventKind::size:
        return stepWord(event.step, event.kind) + " " + std::to_string(event.value) + " " +
               std::to_string(event.height);
    case ReplayEventKind::check:
        return checkLine(event.step, replay.checks[event.value]);
    case ReplayEventKind::quit:
        return quitLine(event.step);
    default:
        return inputLine(event.step, inputOf(event));
    }
}

bool parseReplay(const std::string& text, Replay& replay, int& errorLine, std::string& error) {
    replay = {};
    LineReader reader{replay, 0, {}};
    std::string rest = text;
    const bool read = reader.readLines(rest) && reader.finish(rest);
    errorLine = reader.number;
    error = reader.error;
    return read;
}

bool readReplayFile(const std::string& path, Replay& replay, std::string& message) {
    replay = {};
    bool regular = true;
    std::FILE* file = openRegularFile(path, regular);
    if (!file) {
        message =
            "cannot read " + path + ": " + (regular ? std::strerror(errno) : "not a regular file");
        return false;
    }
    // A file too large is refused before a line of it is read.
    std::size_t size = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        size = static_cast<std::size_t>(std::max(0L, std::ftell(file)));
        std::rewind(file);
    }
    LineReader reader{replay, 0, {}};
    std::string text;
    char block[1 << 16];
    std::size_t got = 0;
    bool read = true;
    std::size_t readBytes = 0; // a file that grows meanwhile is held to the bound too
    while (read && std::max(size, readBytes) <= replayLargestBytes &&
           (got = std::fread(block, 1, sizeof block, file)) > 0) {
        readBytes += got;
        text.append(block, got);
        read = reader.readLines(text);
    }
    const bool readError = std::ferror(file);
    std::fclose(file);
    if (readError) {
        message = "cannot read " + path;
        return false;
    }
    if (read && std::max(size, readBytes) > replayLargestBytes) {
        message = path + ": larger than 16 MiB: " + boundsText;
        return false;
    }
    if (!read || !reader.finish(text)) {
        message = path + ":" + std::to_string(reader.number) + ": " + reader.error;
        return false;
    }
    return true;
}
