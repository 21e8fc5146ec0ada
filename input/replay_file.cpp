#include "input/replay_file.h"

#include "input/key_names.h"
#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr char formatName[] = "ruko-replay";
constexpr int formatVersion = 1;
constexpr std::int64_t maximumStep = 1'000'000'000'000; // five centuries of steps
constexpr int maximumWindowSide = 65535;
constexpr int menuEntries = 5;

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
std::string readEvent(const std::vector<std::string>& words, ReplayEvent& event) {
    if (!readNumber(words[0], maximumStep, event.step))
        return "not a step number: " + quoted(words[0]);
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
    switch (event.kind) {
    case ReplayEventKind::keys:
        if (arguments != actionCount)
            return "the keys of the " + std::to_string(actionCount) + " actions expected";
        for (std::size_t i = 2; i < words.size(); ++i) {
            KeyCode key = 0;
            if (!replayKeyFromName(words[i], key))
                return "unknown key " + quoted(words[i]);
            for (KeyCode other : event.keys)
                if (other == key)
                    return "key " + quoted(words[i]) + " given to two actions";
            event.keys.push_back(key);
        }
        return {};
    case ReplayEventKind::key:
        if (arguments != 1)
            return "a key event names one key";
        if (!replayKeyFromName(words[2], event.value))
            return "unknown key " + quoted(words[2]);
        return {};
    case ReplayEventKind::menu:
        if (arguments != 1 || !readInt(words[2], 1, menuEntries, event.value))
            return "a menu event names an entry from 1 to 5";
        return {};
    case ReplayEventKind::size:
        if (arguments != 2 || !readInt(words[2], 1, maximumWindowSide, event.value) ||
            !readInt(words[3], 1, maximumWindowSide, event.height))
            return "a size event gives a width and a height from 1 to 65535";
        return {};
    case ReplayEventKind::check:
        if (arguments == 0)
            return "a checkpoint with no field";
        for (std::size_t i = 2; i < words.size(); ++i) {
            if (!checkField(words[i]))
                return "not a checkpoint field (name=value): " + quoted(words[i]);
            event.check += (i > 2 ? " " : "") + words[i];
        }
        return {};
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

} // namespace

std::string replayHeader() {
    return std::string(formatName) + " " + std::to_string(formatVersion) + " ruko " RUKO_VERSION;
}

std::string replayKeyName(KeyCode key) {
    std::string name = keyName(key);
    if (!name.empty())
        return name;
    char text[16];
    if (key < specialKeyBase)
        std::snprintf(text, sizeof text, "\\x%02x", key);
    else
        std::snprintf(text, sizeof text, "s%d", key - specialKeyBase);
    return text;
}

bool replayKeyFromName(const std::string& name, KeyCode& key) {
    if (keyFromName(name, key))
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

std::string formatReplayEvent(const ReplayEvent& event) {
    std::string line = std::to_string(event.step) + " ";
    for (const EventWord& entry : eventWords)
        if (entry.kind == event.kind)
            line += entry.word;
    switch (event.kind) {
    case ReplayEventKind::keys:
        for (KeyCode key : event.keys)
            line += " " + replayKeyName(key);
        return line;
    case ReplayEventKind::key:
        return line + " " + replayKeyName(event.value);
    case ReplayEventKind::menu:
        return line + " " + std::to_string(event.value);
    case ReplayEventKind::size:
        return line + " " + std::to_string(event.value) + " " + std::to_string(event.height);
    case ReplayEventKind::check:
        return line + " " + event.check;
    default:
        return line;
    }
}

bool parseReplay(const std::string& text, Replay& replay, int& errorLine, std::string& error) {
    replay = {};
    std::size_t at = 0;
    bool header = true;
    for (int number = 1; at < text.size() || header; ++number) {
        std::size_t end = text.find('\n', at);
        const bool finished = end != std::string::npos;
        if (!finished)
            end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::vector<std::string> words = wordsOf(line);
        if (header) {
            error = readHeader(words, replay);
            header = false;
        } else if (words.empty() || words[0][0] == '#') {
            continue;
        } else if (!finished) {
            replay.lastLineCut = true; // every line written ends with one
        } else {
            ReplayEvent event;
            event.line = number;
            error = readEvent(words, event);
            if (error.empty() && !replay.events.empty() && event.step < replay.events.back().step)
                error = "step " + words[0] + " after step " +
                        std::to_string(replay.events.back().step) + ": steps go backwards";
            if (error.empty())
                replay.events.push_back(event);
        }
        if (!error.empty()) {
            errorLine = number;
            return false;
        }
    }
    return true;
}

bool readReplayFile(const std::string& path, Replay& replay, std::string& message) {
    constexpr std::size_t largest = 64 << 20; // a day of play takes about 10 MiB
    bool regular = true;
    std::FILE* file = openRegularFile(path, regular);
    if (!file) {
        message =
            "cannot read " + path + ": " + (regular ? std::strerror(errno) : "not a regular file");
        return false;
    }
    std::string text;
    char block[4096];
    std::size_t got = 0;
    while (text.size() <= largest && (got = std::fread(block, 1, sizeof block, file)) > 0)
        text.append(block, got);
    const bool readError = std::ferror(file);
    std::fclose(file);
    if (readError || text.size() > largest) {
        message = "cannot read " + path + (readError ? "" : ": larger than 64 MiB");
        return false;
    }
    int line = 0;
    std::string error;
    if (!parseReplay(text, replay, line, error)) {
        message = path + ":" + std::to_string(line) + ": " + error;
        return false;
    }
    return true;
}
