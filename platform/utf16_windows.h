#pragma once

#include <windows.h>

#include <cwchar>
#include <string>

// Windows' own calls take UTF-16: the narrow ones would turn what is outside the code page (a
// Greek user name in the profile's path) into '?'. Paths in the game are UTF-8.

inline std::wstring utf16(const std::string& text) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

inline std::string utf8(const wchar_t* text) {
    const int size = static_cast<int>(std::wcslen(text));
    std::string narrow(WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, size, narrow.data(), static_cast<int>(narrow.size()),
                        nullptr, nullptr);
    return narrow;
}
