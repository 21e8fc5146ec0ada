#include "platform/platform.h"
#include "text/latin1.h"

#include <langinfo.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The terminal's code set, from the player's locale: only LC_CTYPE is read, and put back at
// once, so that numbers and character classes stay the C locale's the game was written for.
// Read before main, before any thread can look at the locale.
bool localeIsUtf8() {
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    const std::string before = current ? current : "C";
    bool utf8 = false;
    if (std::setlocale(LC_CTYPE, ""))
        utf8 = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
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
