#include "challenge/kept_text.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

bool isUtf16(const std::string& text) {
    if (text.size() >= 2 &&
        ((text[0] == '\xff' && text[1] == '\xfe') || (text[0] == '\xfe' && text[1] == '\xff')))
        return true;
    // An ASCII letter with a zero byte beside it, without a mark.
    return text.size() >= 2 && (text[0] == '\0') != (text[1] == '\0');
}

// Printable ASCII, tabs and line ends: anything else is not what the game writes nor what a
// player types into these lines (a word, a number).
int firstNonTextByte(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte > 0x7e)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

} // namespace

int keptNumber(const std::string& digits) {
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(digits);
}

std::string keptQuote(const std::string& text) {
    constexpr std::size_t longest = 40;
    return "\"" + (text.size() > longest ? text.substr(0, longest) + "..." : text) + "\"";
}

std::string keptLineName(int line) {
    return "line " + std::to_string(line);
}

bool readKeptLines(const std::string& text, std::size_t largest, const char* formatLine,
                   std::vector<KeptLine>& lines, std::string& problem) {
    if (text.size() > largest) {
        problem = "larger than " + std::to_string(largest / 1024) + " KiB";
        return false;
    }
    if (isUtf16(text)) {
        problem = "UTF-16 text";
        return false;
    }
    const std::size_t start = text.compare(0, 3, "\xef\xbb\xbf") == 0 ? 3 : 0;
    const int odd = firstNonTextByte(text.substr(start));
    if (odd >= 0) {
        char byte[8];
        std::snprintf(byte, sizeof byte, "0x%02x",
                      static_cast<unsigned char>(text[start + static_cast<std::size_t>(odd)]));
        const std::size_t before = std::count(text.begin(), text.begin() + start + odd, '\n');
        problem = keptLineName(static_cast<int>(before) + 1) + ": byte " + byte + ", not text";
        return false;
    }
    // The game writes whole files by renaming them over: a last line without its line end is
    // a player's editor's, not a cut.
    if (text.size() == start) {
        problem = "empty";
        return false;
    }
    const std::vector<std::string> format = wordsOf(formatLine);
    bool formatSeen = false;
    lines.clear();
    std::istringstream in(text.substr(start));
    int line = 0;
    for (std::string content; std::getline(in, content);) {
        ++line;
        if (!content.empty() && content.back() == '\r')
            content.pop_back();
        std::vector<std::string> words = wordsOf(content);
        if (words.empty() || words[0][0] == '#')
            continue;
        if (formatSeen) {
            lines.push_back({line, std::move(words)});
            continue;
        }
        if (words != format) {
            problem = keptLineName(line) + " is not " + keptQuote(formatLine);
            return false;
        }
        formatSeen = true;
    }
    if (!formatSeen) {
        problem = std::string("no ") + keptQuote(formatLine) + " line";
        return false;
    }
    return true;
}
