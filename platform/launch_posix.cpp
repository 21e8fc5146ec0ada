#include "platform/platform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool holdsData(const std::string& folder) {
    struct stat status {};
    return stat((folder + "/Data").c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string currentFolder() {
    char path[4096];
    return getcwd(path, sizeof path) ? path : ".";
}

// The folder that holds the running binary, or empty.
std::string programFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    const std::string binary(path, static_cast<std::size_t>(length));
    return binary.substr(0, binary.find_last_of('/'));
}

std::string startFolder;

} // namespace

// The launcher has chosen the working directory (and says in RUKO_START_FOLDER where it was
// called from), and the terminal or the desktop's log has the
// output. A binary started from a build folder of the clone (build/ruko, or cd build &&
// ./ruko) finds Data/ beside that folder.
void adoptLaunchConventions() {
    const char* launcherStart = std::getenv("RUKO_START_FOLDER");
    startFolder = launcherStart && launcherStart[0] == '/' ? launcherStart : currentFolder();
    if (holdsData("."))
        return;
    const std::string program = programFolder();
    for (const std::string& folder : {program, program + "/.."})
        if (!program.empty() && holdsData(folder) && chdir(folder.c_str()) == 0)
            return;
}

std::string pathFromStartFolder(const std::string& path) {
    return path.empty() || path[0] == '/' || startFolder.empty() ? path : startFolder + "/" + path;
}

void reportMissingDataFolder() {
    if (holdsData("."))
        return;
    const std::string program = programFolder();
    std::fprintf(stderr, "ruko: no Data/ folder in %s, nor in %s or its parent\n",
                 currentFolder().c_str(), program.empty() ? "the game's folder" : program.c_str());
}

void reportDataProblem(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
}
