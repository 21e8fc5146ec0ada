#include "platform/platform.h"
#include "platform/utf16_windows.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>

namespace {

// %LOCALAPPDATA%\ruko, made when missing; empty when there is none.
std::string stateFolder() {
    const wchar_t* localAppData = _wgetenv(L"LOCALAPPDATA");
    if (!localAppData || !*localAppData)
        return {};
    const std::wstring folder = std::wstring(localAppData) + L"\\ruko";
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return {};
    return utf8(folder.c_str());
}

} // namespace

std::string lastReplayPath() {
    const std::string folder = stateFolder();
    return folder.empty() ? folder : folder + "\\last.replay";
}

std::string challengeRecordsPath() {
    const std::string folder = stateFolder();
    return folder.empty() ? folder : folder + "\\challenge-records.txt";
}

std::string circuitProgressPath() {
    const std::string folder = stateFolder();
    return folder.empty() ? folder : folder + "\\circuit.txt";
}

// MoveFileExW without MOVEFILE_REPLACE_EXISTING never replaces what is there.
bool renameToNewName(const std::string& from, const std::string& to) {
    if (MoveFileExW(utf16(from).c_str(), utf16(to).c_str(), MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD error = GetLastError();
    errno = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? EEXIST
            : error == ERROR_FILE_NOT_FOUND                             ? ENOENT
                                                                        : EACCES;
    return false;
}

// %APPDATA% is there: only the game's own folder may be missing.
std::FILE* createNewFile(const std::string& path) {
    const std::wstring wide = utf16(path);
    const std::size_t separator = wide.find_last_of(L"\\/");
    if (separator != std::wstring::npos)
        CreateDirectoryW(wide.substr(0, separator).c_str(), nullptr);
    const int descriptor =
        _wopen(wide.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    return descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
}

std::FILE* openFile(const std::string& path, const char* mode) {
    return _wfopen(utf16(path).c_str(), utf16(mode).c_str());
}
