#include "replay/replay_file.h"

#include "challenge/circuit_file.h"
#include "platform/platform.h"
#include "replay/replay_lines.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr int maximumWindowSide = 65535;
constexpr int menuEntries = 5;
constexpr int largestRulesVersion = 65535; // held in the event's 16 bits
constexpr char boundsText[] =
    "a recording holds at most 24 hours of play (5184000 steps) and 16 MiB";

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
    if (!replayEventKind(words[1], event.kind))
        return "unknown event " + quoted(words[1]);
    const std::size_t arguments = words.size() - 2;
    int number = 0;
    switch (event.kind) {
    case ReplayEventKind::keys: {
        if (arguments > actionCount || arguments < actionCount - 2)
            return "the keys of the " + std::to_string(actionCount) + " actions expected (" +
                   std::to_string(actionCount - 2) + " without the guard's and the pause's)";
        // Without the guard's and the pause's, c and p: where an older line gave them to another
        // action, that one has it (actionOfKey takes the first).
        ActionKeys keys{};
        std::copy_n(defaultSettings().keys, actionCount, keys.begin());
        for (std::size_t i = 0; i < arguments; ++i) {
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
    case ReplayEventKind::challenge: {
        // A line without the rules' version was written under the first rules.
        std::int64_t state = 0;
        int rules = 1;
        const bool off = arguments == 1 && words[2] == "off";
        const int level = arguments == 3 ? difficultyOfName(words[4]) : normalDifficulty;
        if (!off &&
            (arguments < 1 || arguments > 3 || !readNumber(words[2], 0xffffffffLL, state) ||
             state == 0 || (arguments >= 2 && !readInt(words[3], 1, largestRulesVersion, rules)) ||
             level < 0))
            return "a challenge event gives its generator's state (1 to 4294967295) or off; "
                   "after the state, the version of its rules (1 to 65535), then its level "
                   "(easy, normal or hard)";
        event.level = static_cast<std::uint8_t>(level);
        event.value = static_cast<std::int32_t>(static_cast<std::uint32_t>(state));
        event.height = static_cast<std::uint16_t>(off ? 0 : rules);
        return {};
    }
    case ReplayEventKind::circuit: {
        CircuitProgress progress{};
        bool sound = arguments == circuitFieldCount;
        for (int i = 0; sound && i < circuitFieldCount; ++i)
            sound =
                readInt(words[i + 2], 0, circuitFields[i].most, progress.*circuitFields[i].value);
        if (!sound)
            return "a circuit event gives 8 numbers: opponents beaten (0 to 3), wins, losses, "
                   "the climb's steps, titles, the best title's steps, the last title's steps "
                   "and fights";
        event.value = static_cast<std::int32_t>(replay.circuits.size());
        replay.circuits.push_back(progress);
        return {};
    }
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
    if (words.size() != 4 || words[0] != replayFormatName || words[2] != "ruko")
        return "not a recording of RUKO (the first line is not 'ruko-replay 1 ruko VERSION')";
    if (words[1] != std::to_string(replayFormatVersion))
        return "a recording in format " + quoted(words[1]) + "; this game reads format " +
               std::to_string(replayFormatVersion);
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
