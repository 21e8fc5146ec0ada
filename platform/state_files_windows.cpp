#include "platform/platform.h"
#include "platform/utf16_windows.h"

std::string lastReplayPath() {
    const wchar_t* localAppData = _wgetenv(L"LOCALAPPDATA");
    if (!localAppData || !*localAppData)
        return {};
    const std::wstring folder = std::wstring(localAppData) + L"\\ruko";
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return {};
    return utf8(folder.c_str()) + "\\last.replay";
}

std::FILE* openFile(const std::string& path, const char* mode) {
    return _wfopen(utf16(path).c_str(), utf16(mode).c_str());
}
