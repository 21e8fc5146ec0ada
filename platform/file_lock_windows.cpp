#include "platform/platform.h"
#include "platform/utf16_windows.h"

// LockFileEx on the file's first byte, waiting for it; the lock goes with the handle, so a game
// killed while it holds one frees it.
FileLock::FileLock(const std::string& path)
    : handle(reinterpret_cast<std::intptr_t>(CreateFileW(
          utf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
          nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr))) {
    const HANDLE file = reinterpret_cast<HANDLE>(handle);
    if (file == INVALID_HANDLE_VALUE) {
        handle = -1;
        return;
    }
    OVERLAPPED start{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &start)) {
        CloseHandle(file);
        handle = -1;
    }
}

FileLock::~FileLock() {
    if (handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle));
}
