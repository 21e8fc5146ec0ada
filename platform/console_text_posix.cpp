#include "platform/platform.h"
#include "text/latin1.h"

#include <langinfo.h>

#include <cctype>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The code set a locale's name gives ("fr_FR.UTF-8@euro", or "UTF-8" alone as some remote
// shells send LC_CTYPE), for a locale this system has not installed: the terminal still reads
// what the name says.
bool nameIsUtf8(const std::string& name) {
    const std::size_t dot = name.find('.');
    std::string codeSet = dot == std::string::npos ? name : name.substr(dot + 1);
    codeSet = codeSet.substr(0, codeSet.find('@'));
    std::string plain;
    for (const char c : codeSet)
        if (c != '-' && c != '_')
            plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return plain == "utf8";
}

// The name setlocale would have used, in POSIX's order.
std::string localeName() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return {};
}

// The terminal's code set, from the player's locale: only LC_CTYPE is read, and put back at
// once, so that numbers and character classes stay the C locale's the game was written for.
// Read before main, before any thread can look at the locale.
bool localeIsUtf8() {
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    const std::string before = current ? current : "C";
    bool utf8 = false;
    if (std::setlocale(LC_CTYPE, ""))
        utf8 = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    else
        utf8 = nameIsUtf8(localeName());
    std::setlocale(LC_CTYPE, before.c_str());
    return utf8;
}

const bool utf8Output = localeIsUtf8();

} // namespace

void printTextLine(const char* latin1Text) {
    if (utf8Output)
        std::printf("%s\n", latin1ToUtf8(latin1Text).c_str());
    else
        std::printf("%s\n", latin1Text);
    std::fflush(stdout);
}

void printErrorText(const std::string& utf8Text) {
    std::fputs((utf8Output ? utf8Text : utf8ToLatin1(utf8Text)).c_str(), stderr);
    std::fflush(stderr);
}
