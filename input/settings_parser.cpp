#include "input/key_names.h"
#include "input/settings.h"
#include "input/settings_lines.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// A key from its name in the file (input/key_names.h), in UTF-8.
bool settingsKeyFromName(const std::string& name, KeyCode& key) {
    return keyFromUtf8Name(name, key) && isBindableKey(key);
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

// The guard and the pause came after the other actions: a file older than them that gave c or p
// to another action keeps that key, and the newcomer takes the first of these that no action has.
constexpr char lateFallbacks[] = "vbnghjfuopqsdeyra0123456789";
constexpr int lateActions[] = {static_cast<int>(Action::guard), static_cast<int>(Action::pause)};

bool isLateAction(int action) {
    return std::find(std::begin(lateActions), std::end(lateActions), action) !=
           std::end(lateActions);
}

void keepOlderKeys(KeyCode (&keys)[actionCount], const int (&setOnLine)[actionCount]) {
    for (int late : lateActions) {
        const auto taken = [&keys, late](KeyCode key) {
            for (int a = 0; a < actionCount; ++a)
                if (a != late && keys[a] == key)
                    return true;
            return false;
        };
        if (setOnLine[late] != 0 || !taken(keys[late]))
            continue;
        const char* key = lateFallbacks;
        while (taken(*key))
            ++key;
        keys[late] = *key;
    }
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
    const Settings usual = defaultSettings();
    for (;;) {
        KeyCode keys[actionCount];
        int setOnLine[actionCount] = {};
        std::memcpy(keys, usual.keys, sizeof keys);
        for (const KeyLine& bound : lines) {
            keys[bound.action] = bound.key;
            setOnLine[bound.action] = bound.line;
        }
        auto clash = lines.end();
        int holder = 0;
        for (auto bound = lines.begin(); bound != lines.end() && clash == lines.end(); ++bound)
            for (int a = 0; a < actionCount; ++a)
                if (a != bound->action && keys[a] == bound->key &&
                    (setOnLine[a] == 0 || setOnLine[a] < bound->line) &&
                    (!isLateAction(a) || setOnLine[a] != 0)) {
                    clash = bound;
                    holder = a;
                    break;
                }
        if (clash == lines.end()) {
            keepOlderKeys(keys, setOnLine);
            std::memcpy(settings.keys, keys, sizeof keys);
            return;
        }
        problems.push_back({clash->line, "key '" + keyNameInUtf8(clash->key) + "' is already " +
                                             actionSettingName(static_cast<Action>(holder)) +
                                             "'s"});
        lines.erase(clash);
    }
}

enum class Section { none, keys, sound, display, game, unknown };

// A [display] line into the settings, a bad value told; false for a name [display] has not.
bool readDisplayValue(const std::string& name, const std::string& value, Settings& settings,
                      std::vector<SettingsProblem>& problems, int line) {
    if (name == "text_scale") {
        if (value == "auto")
            settings.textScale = autoTextScale;
        else if (value.size() == 1 && value[0] >= '1' && value[0] < '1' + largestTextScale)
            settings.textScale = value[0] - '0';
        else
            problems.push_back(
                {line, "text_scale '" + shownText(value) + "' is not auto or 1 to 4"});
    } else if (name == "language") {
        int language = 0;
        while (language < languageCount && value != languageNames[language])
            ++language;
        if (language == languageCount)
            problems.push_back({line, "language '" + shownText(value) + "' is not fr or en"});
        else
            settings.language = static_cast<Language>(language);
    } else if (name == "full_screen") {
        if (value == "yes" || value == "no")
            settings.fullScreen = value == "yes";
        else
            problems.push_back({line, "full_screen '" + shownText(value) + "' is not yes or no"});
    } else {
        return false;
    }
    return true;
}

Section sectionNamed(const SettingsLine& header) {
    return header.name == "keys"      ? Section::keys
           : header.name == "sound"   ? Section::sound
           : header.name == "display" ? Section::display
           : header.name == "game"    ? Section::game
                                      : Section::unknown;
}

// A name = value line of a section into the settings, or the problem with it told.
void readEntry(Section section, const std::string& name, const std::string& value, int number,
               Settings& settings, std::vector<KeyLine>& keyLines,
               std::vector<SettingsProblem>& problems) {
    if (section == Section::none) {
        problems.push_back({number, "'" + shownText(name) + "' comes before any [section]"});
    } else if (section == Section::sound) {
        if (name != "volume")
            problems.push_back({number, "unknown name '" + shownText(name) + "' in [sound]"});
        else if (!volumeFromText(value, settings.volume))
            problems.push_back(
                {number, "volume '" + shownText(value) + "' is not a number from 0 to 100"});
    } else if (section == Section::game) {
        if (name == "difficulty") {
            const int level = difficultyOfName(value);
            if (level >= 0)
                settings.difficulty = level;
            else
                problems.push_back(
                    {number, "difficulty '" + shownText(value) + "' is not easy, normal or hard"});
        } else if (name != "challenge") {
            problems.push_back({number, "unknown name '" + shownText(name) + "' in [game]"});
        } else if (value == "yes" || value == "no") {
            settings.challenge = value == "yes";
        } else {
            problems.push_back({number, "challenge '" + shownText(value) + "' is not yes or no"});
        }
    } else if (section == Section::display) {
        if (!readDisplayValue(name, value, settings, problems, number))
            problems.push_back({number, "unknown name '" + shownText(name) + "' in [display]"});
    } else {
        int action = 0;
        while (action < actionCount && name != actionSettingName(static_cast<Action>(action)))
            ++action;
        KeyCode key = 0;
        if (action == actionCount)
            problems.push_back({number, "unknown name '" + shownText(name) + "' in [keys]"});
        else if (!settingsKeyFromName(value, key))
            problems.push_back({number, "'" + shownText(value) + "' is not a key"});
        else
            keyLines.push_back({action, key, number});
    }
}

} // namespace

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
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const SettingsLine read = readSettingsLine(line);
        if (read.kind == LineKind::blank)
            continue;
        if (read.kind == LineKind::header) {
            section = sectionNamed(read);
            if (section == Section::unknown)
                problems.push_back({number, "unknown section " +
                                                shownText(read.wellFormed ? "[" + read.name + "]"
                                                                          : trimmed(line)) +
                                                " and the lines under it"});
        } else if (section == Section::unknown) {
            continue;
        } else if (read.kind == LineKind::other) {
            problems.push_back({number, "not a 'name = value' line"});
        } else {
            readEntry(section, read.name,
                      line.substr(read.valueStart, read.valueEnd - read.valueStart), number,
                      settings, keyLines, problems);
        }
    }
    bindKeys(keyLines, settings, problems);
    return settings;
}
