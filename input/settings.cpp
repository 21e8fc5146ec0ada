#include "input/settings.h"

#include "input/key_names.h"
#include "platform/platform.h"

#include <GL/glut.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

Settings settingsInEffect = defaultSettings();

namespace {

struct ActionEntry {
    const char* name;
    KeyCode usualKey;
};

// In the order of Action.
constexpr ActionEntry actionEntries[actionCount] = {
    {"left_punch", 'w'},
    {"right_punch", 'x'},
    {"step_in", specialKey(GLUT_KEY_UP)},
    {"step_back", specialKey(GLUT_KEY_DOWN)},
    {"circle_left", specialKey(GLUT_KEY_LEFT)},
    {"circle_right", specialKey(GLUT_KEY_RIGHT)},
    {"eye_up", 'i'},
    {"eye_down", 'k'},
    {"side_left", 'l'},
    {"side_right", 'm'},
    {"turn", 't'},
};

constexpr int maximumVolume = 100;

// Enough for every setting many times over; /dev/zero is never read to its end.
constexpr std::size_t maximumFileSize = 64 * 1024;

// A key from its name in the file (input/key_names.h). Enter and Escape stay the menus', and
// the other keys without a character of their own but space (tab, backspace, delete) are not
// offered either.
bool settingsKeyFromName(const std::string& name, KeyCode& key) {
    return keyFromName(name, key) && ((key >= ' ' && key < 127) || key >= specialKeyBase);
}

bool volumeFromText(const std::string& text, int& volume) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int read = std::stoi(text);
    if (read > maximumVolume)
        return false; // the line is ignored: the volume stays as it was
    volume = read;
    return true;
}

// The file's bytes as a message shows them: anything but printable ASCII as \xNN, so that no
// byte can move the terminal's cursor or cut the message short.
std::string shown(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= ' ' && byte < 127) {
            escaped += c;
        } else {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02x", byte);
            escaped += code;
        }
    }
    return escaped;
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

struct KeyLine {
    int action;
    KeyCode key;
    int line;
};

// The keys the file gives, each line given up in turn when its key is another action's: one
// a later line of the file has, or one that the file leaves at its usual key.
void bindKeys(std::vector<KeyLine> lines, Settings& settings,
              std::vector<SettingsProblem>& problems) {
    for (;;) {
        KeyCode keys[actionCount];
        int setOnLine[actionCount] = {};
        for (int a = 0; a < actionCount; ++a)
            keys[a] = actionEntries[a].usualKey;
        for (const KeyLine& bound : lines) {
            keys[bound.action] = bound.key;
            setOnLine[bound.action] = bound.line;
        }
        auto clash = lines.end();
        int holder = 0;
        for (auto bound = lines.begin(); bound != lines.end() && clash == lines.end(); ++bound)
            for (int a = 0; a < actionCount; ++a)
                if (a != bound->action && keys[a] == bound->key &&
                    (setOnLine[a] == 0 || setOnLine[a] < bound->line)) {
                    clash = bound;
                    holder = a;
                    break;
                }
        if (clash == lines.end()) {
            std::memcpy(settings.keys, keys, sizeof keys);
            return;
        }
        problems.push_back({clash->line, "key '" + keyName(clash->key) + "' is already " +
                                             actionEntries[holder].name + "'s"});
        lines.erase(clash);
    }
}

enum class Section { none, keys, sound, display, unknown };

// A [display] line into the settings, a bad value told; false for a name [display] has not.
bool readDisplayValue(const std::string& name, const std::string& value, Settings& settings,
                      std::vector<SettingsProblem>& problems, int line) {
    if (name == "text_scale") {
        if (value == "auto")
            settings.textScale = autoTextScale;
        else if (value.size() == 1 && value[0] >= '1' && value[0] < '1' + largestTextScale)
            settings.textScale = value[0] - '0';
        else
            problems.push_back({line, "text_scale '" + shown(value) + "' is not auto or 1 to 4"});
    } else if (name == "language") {
        int language = 0;
        while (language < languageCount && value != languageNames[language])
            ++language;
        if (language == languageCount)
            problems.push_back({line, "language '" + shown(value) + "' is not fr or en"});
        else
            settings.language = static_cast<Language>(language);
    } else if (name == "full_screen") {
        if (value == "yes" || value == "no")
            settings.fullScreen = value == "yes";
        else
            problems.push_back({line, "full_screen '" + shown(value) + "' is not yes or no"});
    } else {
        return false;
    }
    return true;
}

} // namespace

bool isUtf16(const std::string& text) {
    if (text.size() < 2)
        return false;
    const std::string start = text.substr(0, 2);
    return start == "\xff\xfe" || start == "\xfe\xff" || ((start[0] == 0) != (start[1] == 0));
}

bool startsWithUtf8Mark(const std::string& text) {
    return text.compare(0, 3, "\xef\xbb\xbf") == 0;
}

Settings defaultSettings() {
    Settings settings{};
    for (int a = 0; a < actionCount; ++a)
        settings.keys[a] = actionEntries[a].usualKey;
    settings.volume = maximumVolume;
    settings.textScale = autoTextScale;
    settings.language = Language::fr;
    settings.fullScreen = false;
    return settings;
}

ActionKeys keysInEffect() {
    ActionKeys keys{};
    std::copy(settingsInEffect.keys, settingsInEffect.keys + actionCount, keys.begin());
    return keys;
}

void setKeysInEffect(const ActionKeys& keys) {
    std::copy(keys.begin(), keys.end(), settingsInEffect.keys);
}

KeyCode actionKey(Action action) {
    return settingsInEffect.keys[static_cast<int>(action)];
}

Action actionOfKey(KeyCode key) {
    for (int a = 0; a < actionCount; ++a)
        if (settingsInEffect.keys[a] == key)
            return static_cast<Action>(a);
    return Action::none;
}

Settings parseSettings(const std::string& text, std::vector<SettingsProblem>& problems) {
    Settings settings = defaultSettings();
    if (isUtf16(text)) {
        problems.push_back({0, "UTF-16 text, save it as UTF-8"});
        return settings;
    }
    std::vector<KeyLine> keyLines;
    Section section = Section::none;
    // UTF-8's byte-order mark, which Notepad writes.
    std::size_t start = startsWithUtf8Mark(text) ? 3 : 0;
    for (int number = 1; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == '#' || line[0] == ';')
            continue;
        if (line[0] == '[') {
            // The header alone, or followed by a comment.
            const std::size_t close = line.find(']');
            const std::string after =
                close == std::string::npos ? "" : trimmed(line.substr(close + 1));
            const bool wellFormed =
                close != std::string::npos && (after.empty() || after[0] == '#' || after[0] == ';');
            const std::string name = wellFormed ? line.substr(1, close - 1) : "";
            section = name == "keys"      ? Section::keys
                      : name == "sound"   ? Section::sound
                      : name == "display" ? Section::display
                                          : Section::unknown;
            if (section == Section::unknown)
                problems.push_back(
                    {number, "unknown section " +
                                 shown(wellFormed ? line.substr(0, close + 1) : line) +
                                 " and the lines under it"});
            continue;
        }
        if (section == Section::unknown)
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            problems.push_back({number, "not a 'name = value' line"});
            continue;
        }
        const std::string name = trimmed(line.substr(0, equals));
        const std::string value = trimmed(line.substr(equals + 1));
        if (section == Section::none) {
            problems.push_back({number, "'" + shown(name) + "' comes before any [section]"});
        } else if (section == Section::sound) {
            if (name != "volume")
                problems.push_back({number, "unknown name '" + shown(name) + "' in [sound]"});
            else if (!volumeFromText(value, settings.volume))
                problems.push_back(
                    {number, "volume '" + shown(value) + "' is not a number from 0 to 100"});
        } else if (section == Section::display) {
            if (!readDisplayValue(name, value, settings, problems, number))
                problems.push_back({number, "unknown name '" + shown(name) + "' in [display]"});
        } else {
            int action = 0;
            while (action < actionCount && name != actionEntries[action].name)
                ++action;
            KeyCode key = 0;
            if (action == actionCount)
                problems.push_back({number, "unknown name '" + shown(name) + "' in [keys]"});
            else if (!settingsKeyFromName(value, key))
                problems.push_back({number, "'" + shown(value) + "' is not a key"});
            else
                keyLines.push_back({action, key, number});
        }
    }
    bindKeys(keyLines, settings, problems);
    return settings;
}

std::string formatSettings(const Settings& settings) {
    std::string text = "# RUKO's settings: name = value, lines starting with # are comments.\n"
                       "# Keys: one character as typed (w, Z, 4, ;) or space, up, down, left,\n"
                       "# right, page_up, page_down, home, end, insert, f1 to f12.\n"
                       "[keys]\n";
    for (int a = 0; a < actionCount; ++a)
        text += std::string(actionEntries[a].name) + " = " + keyName(settings.keys[a]) + "\n";
    text += "\n[sound]\n# 0 (silent) to 100\nvolume = " + std::to_string(settings.volume) + "\n";
    text +=
        "\n[display]\n# auto (the largest whole factor of 640x480 the window holds) or 1 to 4\n"
        "text_scale = " +
        (settings.textScale == autoTextScale ? std::string("auto")
                                             : std::to_string(settings.textScale)) +
        "\n# fr or en\nlanguage = " + languageNames[static_cast<int>(settings.language)] +
        "\n# yes to start in full screen\nfull_screen = " + (settings.fullScreen ? "yes" : "no") +
        "\n";
    return text;
}

void loadSettings(const std::string& path) {
    if (path.empty())
        return;
    bool regular = true;
    std::FILE* file = openRegularFile(path, regular);
    if (!file) {
        if (!regular)
            reportSettingsProblems("ruko: cannot read " + path + ": not a regular file\n");
        else if (errno != ENOENT)
            reportSettingsProblems("ruko: cannot read " + path + ": " + std::strerror(errno) +
                                   "\n");
        return;
    }
    std::string text(maximumFileSize + 1, '\0');
    text.resize(std::fread(&text[0], 1, text.size(), file));
    const int readError = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (readError) {
        reportSettingsProblems("ruko: cannot read " + path + ": " + std::strerror(readError) +
                               "\n");
        return;
    }
    if (text.size() > maximumFileSize) {
        reportSettingsProblems("ruko: cannot read " + path + ": larger than 64 KiB\n");
        return;
    }
    std::vector<SettingsProblem> problems;
    settingsInEffect = parseSettings(text, problems);
    std::stable_sort(
        problems.begin(), problems.end(),
        [](const SettingsProblem& a, const SettingsProblem& b) { return a.line < b.line; });
    std::string report;
    for (const SettingsProblem& problem : problems)
        report += "ruko: " + path +
                  (problem.line > 0 ? ":" + std::to_string(problem.line) : std::string()) + ": " +
                  problem.text + ": ignored\n";
    if (!report.empty())
        reportSettingsProblems(report);
}
