#include "platform/platform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool holdsFolder(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// A Data/ is the game's when it holds the title's demo, a recording whose first line names the
// game: a folder of some other program's Data/ has none, while one of ours with a picture or
// the font damaged or missing still has it, and the game then names the file it cannot load.
bool holdsGameData(const std::string& folder) {
    bool regular = true;
    std::FILE* demo = openRegularFile(folder + "/Data/demo.replay", regular);
    if (!demo)
        return false;
    constexpr char mark[] = "ruko-replay ";
    char start[sizeof mark] = "";
    const bool ours = std::fgets(start, sizeof start, demo) && std::strcmp(start, mark) == 0;
    std::fclose(demo);
    return ours;
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
// called from), and the terminal or the desktop's log has the output. A binary of a clone
// (build/ruko, or cd build && ./ruko) plays with its own tree's Data/, beside it or beside its
// build folder, wherever it is started from, whatever Data/ stands there; the installed one,
// whose folders hold none, keeps the data folder the launcher started it in.
void adoptLaunchConventions(int*, char***) {
    const char* launcherStart = std::getenv("RUKO_START_FOLDER");
    startFolder = launcherStart && launcherStart[0] == '/' ? launcherStart : currentFolder();
    const std::string program = programFolder();
    if (program.empty())
        return;
    for (const std::string& folder : {program, program + "/.."})
        if (holdsGameData(folder) && chdir(folder.c_str()) == 0)
            return;
}

std::string pathFromStartFolder(const std::string& path) {
    return path.empty() || path[0] == '/' || startFolder.empty() ? path : startFolder + "/" + path;
}

void reportMissingDataFolder() {
    if (holdsGameData("."))
        return;
    const std::string program = programFolder();
    const bool otherData =
        holdsFolder("Data") ||
        (!program.empty() && (holdsFolder(program + "/Data") || holdsFolder(program + "/../Data")));
    const std::string ownFolders = program.empty() ? "" : program + " or its parent, nor in ";
    std::fprintf(stderr, "ruko: no Data/ folder%s in %s%s\n",
                 otherData ? " of the game's (with its demo.replay)" : "", ownFolders.c_str(),
                 currentFolder().c_str());
}

void reportDataProblem(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
}
