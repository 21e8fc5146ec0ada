#include "platform/platform.h"
#include "platform/utf16_windows.h"

#include <share.h>

#include <cstdio>

// Opened to write with others kept from writing: a second game's open fails before it could
// empty the file.
std::FILE* openOwnFile(const std::string& path, bool& taken) {
    std::FILE* file = _wfsopen(utf16(path).c_str(), L"wb", _SH_DENYWR);
    taken = !file && GetLastError() == ERROR_SHARING_VIOLATION;
    return file;
}
