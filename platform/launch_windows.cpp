#include "platform/platform.h"
#include "platform/utf16_windows.h"

#include <windows.h>

#include <shellapi.h> // after windows.h, which it needs

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Whether standard output reaches something: a console, a file or a pipe.
bool outputReachable = false;

bool handleReachable(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// A program of the GUI subsystem starts without a console: it borrows the one of the command
// prompt that started it, for the streams that are not redirected.
void attachParentConsole() {
    const bool stdoutReachable = handleReachable(STD_OUTPUT_HANDLE);
    const bool stderrReachable = handleReachable(STD_ERROR_HANDLE);
    outputReachable = stdoutReachable;
    if ((stdoutReachable && stderrReachable) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!stdoutReachable)
        outputReachable = std::freopen("CONOUT$", "w", stdout) != nullptr;
    if (!stderrReachable)
        std::freopen("CONOUT$", "w", stderr);
}

// The folder that holds ruko.exe, whatever the working directory of the shortcut or prompt.
void enterProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator != std::wstring::npos)
        SetCurrentDirectoryW(path.substr(0, separator).c_str());
}

std::wstring startFolder;

// MinGW's main has the arguments in the ANSI code page, which turns what it lacks into '?': a
// file named in Greek, or one under C:\Users\Ελένη, is not found. Windows keeps the command line in
// UTF-16: its words in UTF-8, kept for the program's life as argv is.
void readWideArguments(int* argc, char*** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return;
    static std::vector<std::string> words;
    static std::vector<char*> pointers;
    for (int i = 0; i < count; ++i)
        words.push_back(utf8(wide[i]));
    LocalFree(wide);
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    *argc = count;
    *argv = pointers.data();
}

// An absolute path (C:\..., \\host\...) or one on a drive of its own (C:foo) is left as it
// is.
bool fromStartFolder(const std::string& path) {
    return !path.empty() && path[0] != '\\' && path[0] != '/' &&
           !(path.size() > 1 && path[1] == ':');
}

} // namespace

void adoptLaunchConventions(int* argc, char*** argv) {
    attachParentConsole();
    readWideArguments(argc, argv);
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetCurrentDirectoryW(MAX_PATH, folder.data()));
    startFolder = folder;
    enterProgramFolder();
}

std::string pathFromStartFolder(const std::string& path) {
    return fromStartFolder(path) && !startFolder.empty() ? utf8(startFolder.c_str()) + "\\" + path
                                                         : path;
}

void reportMissingDataFolder() {
    const DWORD data = GetFileAttributesW(L"Data");
    if (data != INVALID_FILE_ATTRIBUTES && (data & FILE_ATTRIBUTE_DIRECTORY))
        return;
    wchar_t folder[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, folder);
    std::fprintf(stderr, "ruko: no Data/ folder in %s\n", utf8(folder).c_str());
}

void reportDataProblem(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    if (outputReachable) {
        std::vprintf(format, arguments);
    } else {
        char text[512];
        std::vsnprintf(text, sizeof text, format, arguments);
        MessageBoxA(nullptr, text, "RUKO", MB_OK | MB_ICONERROR);
    }
    va_end(arguments);
}
