#include "setup/setup_choices.h"

#include "input/key_names.h"
#include "text/print_text.h"

#include <iterator>

Settings chosenSettings = defaultSettings();
Settings savedSettings = defaultSettings();

namespace {

constexpr int volumeStep = 10;

int wrapped(int value, int count) {
    return (value % count + count) % count;
}

} // namespace

bool chosenUnsaved() {
    const Settings& a = chosenSettings;
    const Settings& b = savedSettings;
    for (int action = 0; action < actionCount; ++action)
        if (a.keys[action] != b.keys[action])
            return true;
    return a.volume != b.volume || a.textScale != b.textScale || a.language != b.language ||
           a.fullScreen != b.fullScreen || a.challenge != b.challenge ||
           a.difficulty != b.difficulty;
}

bool textScaleFits(int scale, int screenWidth, int screenHeight) {
    return scale == autoTextScale ||
           (textBaseWidth * scale <= screenWidth && textBaseHeight * scale <= screenHeight);
}

RowKind rowKind(int row) {
    if (row < firstKeyRow)
        return static_cast<RowKind>(row);
    if (row < firstKeyRow + actionCount)
        return RowKind::key;
    return static_cast<RowKind>(static_cast<int>(RowKind::key) + 1 + row - firstKeyRow -
                                actionCount);
}

Action rowAction(int row) {
    return static_cast<Action>(row - firstKeyRow);
}

void stepValue(int row, int direction, bool wrap) {
    Settings& s = chosenSettings;
    switch (rowKind(row)) {
    case RowKind::language:
        s.language =
            static_cast<Language>(wrapped(static_cast<int>(s.language) + direction, languageCount));
        break;
    case RowKind::fullScreen:
        s.fullScreen = !s.fullScreen;
        break;
    case RowKind::challenge: {
        // Off, then on at each level in turn: one row for both.
        const int levels = static_cast<int>(std::size(difficultyNames));
        const int place = wrapped((s.challenge ? 1 + s.difficulty : 0) + direction, levels + 1);
        s.challenge = place > 0;
        if (s.challenge)
            s.difficulty = place - 1;
        break;
    }
    case RowKind::textScale:
        s.textScale = wrapped(s.textScale + direction, largestTextScale + 1);
        break;
    case RowKind::volume:
        // Off the steps (a file's 35), the first step lands on one.
        if (direction > 0)
            s.volume =
                s.volume >= 100 ? (wrap ? 0 : 100) : (s.volume / volumeStep + 1) * volumeStep;
        else
            s.volume = s.volume <= 0 ? 0 : (s.volume - 1) / volumeStep * volumeStep;
        break;
    default:
        break;
    }
}

std::string valueText(int row) {
    switch (rowKind(row)) {
    case RowKind::textScale:
        return chosenSettings.textScale == autoTextScale ? std::string()
                                                         : std::to_string(chosenSettings.textScale);
    case RowKind::volume:
        return std::to_string(chosenSettings.volume) + "%";
    case RowKind::key: {
        const KeyCode key = chosenSettings.keys[static_cast<int>(rowAction(row))];
        return keyName(key);
    }
    default:
        return {};
    }
}

// The keys a settings file may give, as the file's reader takes them.
KeyChoice chooseKey(Action action, KeyCode key, Action& holder) {
    if (!isBindableKey(key))
        return KeyChoice::refused;
    for (int a = 0; a < actionCount; ++a)
        if (a != static_cast<int>(action) && chosenSettings.keys[a] == key) {
            holder = static_cast<Action>(a);
            return KeyChoice::taken;
        }
    chosenSettings.keys[static_cast<int>(action)] = key;
    return KeyChoice::bound;
}
