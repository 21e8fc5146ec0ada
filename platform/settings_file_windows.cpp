#include "platform/platform.h"
#include "platform/utf16_windows.h"

#include <windows.h>

#include <io.h>
#include <sys/stat.h>

#include <cerrno>
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
        printErrorText(lines);
    else
        MessageBoxW(nullptr, utf16(lines).c_str(), L"RUKO", MB_OK | MB_ICONWARNING);
}

// What Notepad writes.
const char* nativeLineEnd() {
    return "\r\n";
}

// MoveFileExW replaces the old file in one step, as rename does on Linux.
bool replaceFile(const std::string& path, const std::string& contents) {
    const std::string temporary = path + ".new";
    _wremove(utf16(temporary).c_str());
    std::FILE* file = createNewFile(temporary);
    if (!file)
        return false;
    bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size() &&
                   std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
    written = std::fclose(file) == 0 && written;
    if (written && MoveFileExW(utf16(temporary).c_str(), utf16(path).c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (written)
        errno = EACCES;
    _wremove(utf16(temporary).c_str());
    return false;
}
