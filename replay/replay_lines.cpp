#include "replay/replay_lines.h"

#include "challenge/circuit_file.h"
#include "input/key_names.h"

#include <cstdio>

namespace {

struct EventWord {
    const char* word;
    ReplayEventKind kind;
};

constexpr EventWord eventWords[] = {
    {"keys", ReplayEventKind::keys},
    {"key", ReplayEventKind::key},
    {"menu", ReplayEventKind::menu},
    {"click", ReplayEventKind::click},
    {"pad", ReplayEventKind::pad},
    {"hidden", ReplayEventKind::hidden},
    {"shown", ReplayEventKind::shown},
    {"size", ReplayEventKind::size},
    {"check", ReplayEventKind::check},
    {"quit", ReplayEventKind::quit},
    {"challenge", ReplayEventKind::challenge},
    {"circuit", ReplayEventKind::circuit},
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

} // namespace

std::string replayHeader() {
    return std::string(replayFormatName) + " " + std::to_string(replayFormatVersion) +
           " ruko " RUKO_VERSION;
}

bool replayEventKind(const std::string& word, ReplayEventKind& kind) {
    for (const EventWord& entry : eventWords) {
        if (word == entry.word) {
            kind = entry.kind;
            return true;
        }
    }
    return false;
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
    if (name.size() == 4 && name.compare(0, 2, "\\x") == 0 &&
        name.find_first_not_of("0123456789abcdef", 2) == std::string::npos) {
        key = std::stoi(name.substr(2), nullptr, 16);
        return true;
    }
    const std::string number = name.size() > 1 && name[0] == 's' ? name.substr(1) : "";
    if (number.empty() || number.size() > 13 ||
        number.find_first_not_of("0123456789") != std::string::npos || std::stoll(number) > 255)
        return false;
    key = specialKeyBase + static_cast<int>(std::stoll(number));
    return true;
}

// The guard's and the pause's keys are written only where they are not the usual c and p (the
// pause's after the guard's): the lines stay as they were before them, whose recordings
// therefore read unchanged.
std::string keysLine(std::int64_t step, const ActionKeys& keys) {
    std::string line = stepWord(step, ReplayEventKind::keys);
    const Settings usual = defaultSettings();
    const auto unusual = [&](Action action) {
        return keys[static_cast<int>(action)] != usual.keys[static_cast<int>(action)];
    };
    const std::size_t written = unusual(Action::pause)   ? keys.size()
                                : unusual(Action::guard) ? keys.size() - 1
                                                         : keys.size() - 2;
    for (std::size_t a = 0; a < written; ++a)
        line += " " + replayKeyName(keys[a]);
    return line;
}

std::string challengeLine(std::int64_t step, bool on, std::uint32_t state, int rulesVersion,
                          int level) {
    const std::string line = stepWord(step, ReplayEventKind::challenge) + " ";
    if (!on)
        return line + "off";
    const bool withLevel = level != normalDifficulty;
    return line + std::to_string(state) +
           (rulesVersion == 1 && !withLevel ? std::string() : " " + std::to_string(rulesVersion)) +
           (withLevel ? std::string(" ") + difficultyNames[level] : std::string());
}

std::string circuitLine(std::int64_t step, const CircuitProgress& progress) {
    std::string line = stepWord(step, ReplayEventKind::circuit);
    for (const CircuitField& field : circuitFields)
        line += " " + std::to_string(progress.*field.value);
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
    case ReplayEventKind::challenge:
        return challengeLine(event.step, event.height != 0, static_cast<std::uint32_t>(event.value),
                             event.height, event.level);
    case ReplayEventKind::circuit:
        return circuitLine(event.step, replay.circuits[event.value]);
    default:
        return inputLine(event.step, inputOf(event));
    }
}
