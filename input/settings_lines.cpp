#include "input/settings_lines.h"

#include "input/key_names.h"
#include "input/settings.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* spaces = " \t\r";

bool startsComment(const std::string& text, std::size_t at) {
    return at < text.size() && (text[at] == '#' || text[at] == ';');
}

} // namespace

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(spaces);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(spaces) - first + 1);
}

SettingsLine readSettingsLine(const std::string& line) {
    SettingsLine read{LineKind::other, {}, false, 0, 0};
    const std::size_t first = line.find_first_not_of(spaces);
    if (first == std::string::npos || startsComment(line, first)) {
        read.kind = LineKind::blank;
    } else if (line[first] == '[') {
        read.kind = LineKind::header;
        const std::size_t close = line.find(']', first);
        const std::size_t after =
            close == std::string::npos ? close : line.find_first_not_of(spaces, close + 1);
        read.wellFormed = close != std::string::npos &&
                          (after == std::string::npos || startsComment(line, after));
        if (read.wellFormed)
            read.name = line.substr(first + 1, close - first - 1);
    } else if (const std::size_t equals = line.find('='); equals != std::string::npos) {
        read.kind = LineKind::entry;
        read.name = trimmed(line.substr(0, equals));
        const std::size_t start = line.find_first_not_of(spaces, equals + 1);
        if (start == std::string::npos) {
            read.valueStart = read.valueEnd = equals + 1;
            return read;
        }
        const std::size_t wordEnd = std::min(line.find_first_of(spaces, start), line.size());
        const std::size_t rest = line.find_first_not_of(spaces, wordEnd);
        read.valueStart = start;
        read.valueEnd = rest == std::string::npos || startsComment(line, rest)
                            ? wordEnd
                            : line.find_last_not_of(spaces) + 1;
    }
    return read;
}

bool isUtf16(const std::string& text) {
    if (text.size() < 2)
        return false;
    const std::string start = text.substr(0, 2);
    return start == "\xff\xfe" || start == "\xfe\xff" || ((start[0] == 0) != (start[1] == 0));
}

bool startsWithUtf8Mark(const std::string& text) {
    return text.compare(0, 3, "\xef\xbb\xbf") == 0;
}

std::string shownText(const std::string& text) {
    std::string shown;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        KeyCode key = 0;
        if (byte >= ' ' && byte < 127) {
            shown += text[at];
        } else if (keyFromUtf8Name(text.substr(at, 2), key)) {
            shown += text.substr(at++, 2);
        } else {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02x", byte);
            shown += code;
        }
    }
    return shown;
}
