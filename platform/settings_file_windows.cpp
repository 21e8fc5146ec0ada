#include "platform/platform.h"

#include <windows.h>

#include <io.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cwchar>

// Windows' own calls take UTF-16: the narrow ones would turn what is outside the code page (a
// Greek user name in the profile's path) into '?'.
namespace {

std::wstring utf16(const std::string& text) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string utf8(const wchar_t* text) {
    const int size = static_cast<int>(std::wcslen(text));
    std::string narrow(WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, size, narrow.data(), static_cast<int>(narrow.size()),
                        nullptr, nullptr);
    return narrow;
}

} // namespace

std::string settingsFilePath() {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData && *appData)
        return utf8(appData) + "\\ruko\\ruko.conf";
    return {};
}

// As on Linux, only a regular file is read, not a device or a pipe.
std::FILE* openRegularFile(const std::string& path, bool& regular) {
    regular = true;
    std::FILE* file = _wfopen(utf16(path).c_str(), L"rb");
    if (!file)
        return nullptr;
    struct _stat64 status {};
    if (_fstat64(_fileno(file), &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG)
        return file;
    std::fclose(file);
    regular = false;
    return nullptr;
}

// stderr reaches something when the game was started from a command prompt (its own, or the
// prompt's console) or redirected; otherwise, as after a double-click, a message box.
void reportSettingsProblems(const std::string& lines) {
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stderr)));
    if (handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN)
        std::fputs(lines.c_str(), stderr);
    else
        MessageBoxW(nullptr, utf16(lines).c_str(), L"RUKO", MB_OK | MB_ICONWARNING);
}
