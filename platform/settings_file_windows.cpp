#include "platform/platform.h"
#include "platform/utf16_windows.h"

#include <windows.h>

#include <io.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cwchar>

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
