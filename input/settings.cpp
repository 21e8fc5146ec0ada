#include "input/settings.h"

#include "input/key_names.h"
#include "platform/platform.h"

#include <GL/glut.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>

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
    {"guard", 'c'}, // beside w and x on French and English keyboards alike
    {"pause", 'p'},
};

} // namespace

Settings defaultSettings() {
    Settings settings{};
    for (int a = 0; a < actionCount; ++a)
        settings.keys[a] = actionEntries[a].usualKey;
    settings.volume = maximumVolume;
    settings.textScale = autoTextScale;
    settings.language = Language::fr;
    settings.fullScreen = false;
    settings.challenge = false;
    settings.difficulty = normalDifficulty;
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

const char* actionSettingName(Action action) {
    return actionEntries[static_cast<int>(action)].name;
}

int difficultyOfName(const std::string& name) {
    for (int level = 0; level < static_cast<int>(std::size(difficultyNames)); ++level)
        if (name == difficultyNames[level])
            return level;
    return -1;
}

std::string formatSettings(const Settings& settings) {
    std::string text = "# RUKO's settings: name = value, lines starting with # are comments.\n"
                       "# Keys: one character as typed (w, Z, 4, ;, \xc3\xa9) or space, up, down,\n"
                       "# left, right, page_up, page_down, home, end, insert, f1 to f12.\n"
                       "[keys]\n";
    for (int a = 0; a < actionCount; ++a)
        text += std::string(actionEntries[a].name) + " = " + keyNameInUtf8(settings.keys[a]) + "\n";
    text += "\n[sound]\n# 0 (silent) to 100\nvolume = " + std::to_string(settings.volume) + "\n";
    text +=
        "\n[display]\n# auto (the largest whole factor of 640x480 the window holds) or 1 to 4\n"
        "text_scale = " +
        (settings.textScale == autoTextScale ? std::string("auto")
                                             : std::to_string(settings.textScale)) +
        "\n# fr or en\nlanguage = " + languageNames[static_cast<int>(settings.language)] +
        "\n# yes to start in full screen\nfull_screen = " + (settings.fullScreen ? "yes" : "no") +
        "\n";
    text += "\n[game]\n# yes: the opponent boxes back (three rounds, knockdowns, a "
            "decision)\n"
            "challenge = " +
            std::string(settings.challenge ? "yes" : "no") +
            "\n# easy, normal or hard: the time the opponent leaves to answer, how hard it hits\n"
            "difficulty = " +
            difficultyNames[settings.difficulty] + "\n";
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
    std::string text(largestSettingsFile + 1, '\0');
    text.resize(std::fread(&text[0], 1, text.size(), file));
    const int readError = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (readError) {
        reportSettingsProblems("ruko: cannot read " + path + ": " + std::strerror(readError) +
                               "\n");
        return;
    }
    if (text.size() > largestSettingsFile) {
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
