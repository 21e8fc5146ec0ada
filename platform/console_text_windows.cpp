#include "platform/platform.h"
#include "platform/utf16_windows.h"

#include <windows.h>

#include <io.h>

#include <cstdio>
#include <string>

// A console shows UTF-16 whatever its code page (850 in France, where byte 0xEA is another
// letter); a file or a pipe gets the bytes as on Linux in the C locale.
void printTextLine(const char* latin1Text) {
    std::fflush(stdout);
    // stdout may have been opened on CONOUT$ after start, which GetStdHandle does not know.
    const auto console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout)));
    DWORD mode = 0;
    if (console == INVALID_HANDLE_VALUE || !GetConsoleMode(console, &mode)) {
        std::printf("%s\n", latin1Text);
        std::fflush(stdout);
        return;
    }
    // ISO 8859-1's bytes are the first 256 code points.
    std::wstring line;
    for (const char* at = latin1Text; *at; ++at)
        line += static_cast<wchar_t>(static_cast<unsigned char>(*at));
    line += L"\r\n";
    DWORD written = 0;
    WriteConsoleW(console, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
}

void printErrorText(const std::string& utf8Text) {
    std::fflush(stderr);
    const auto console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stderr)));
    DWORD mode = 0;
    if (console == INVALID_HANDLE_VALUE || !GetConsoleMode(console, &mode)) {
        std::fputs(utf8Text.c_str(), stderr);
        std::fflush(stderr);
        return;
    }
    std::wstring text;
    for (const wchar_t c : utf16(utf8Text))
        text += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
    DWORD written = 0;
    WriteConsoleW(console, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
}
