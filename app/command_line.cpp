#include "app/command_line.h"

#include "input/pad_list.h"
#include "input/settings.h"
#include "input/settings_writer.h"
#include "platform/platform.h"

#include <cstdlib>
#include <cstring>

bool muteRequested = false;
std::string recordPath;
std::string replayPath;
std::string checkPath;

namespace {

struct GlutOption {
    const char* name;
    bool takesValue;
};

constexpr GlutOption glutOptions[] = {
    {"-display", true},   {"-geometry", true}, {"-iconic", false}, {"-direct", false},
    {"-indirect", false}, {"-gldebug", false}, {"-sync", false},
};

constexpr char usageText[] =
    "Usage: ruko [--mute] [--record FILE] [--replay FILE] [GLUT options]\n"
    "       ruko --check FILE | --help | --version | --settings | --write-settings\n"
    "       ruko --pads\n"
    "\n"
    "RUKO is a small 3D boxing game for one player: fight one of three computer\n"
    "opponents in first person, or train on a punch bag and a punching ball.\n"
    "The game's texts are in French, or in English with language = en in the\n"
    "settings file's [display] section, which also sets text_scale and full_screen.\n"
    "\n"
    "Options:\n"
    "  --mute      start without sound (RUKO_MUTE=1 does the same)\n"
    "  --record FILE  record the session into FILE; without it, the game keeps\n"
    "              the last session's recording as last.replay (see ruko(6))\n"
    "  --replay FILE  play a recording back in the window; Escape hands the game\n"
    "              over, as its end does\n"
    "  --check FILE   run a recording as fast as it goes, drawing nothing: exit 0\n"
    "              when the game stays on course, 1 where it does not, 2 for a\n"
    "              file that is not a recording\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "  --settings  print the settings in effect, in the settings file's format\n"
    "  --write-settings  make the settings file with the usual settings, where there\n"
    "              is none (never over one), and say where it is\n"
    "  --pads      list the pads SDL sees and whether each can play, or why none is seen\n"
    "  -display DISPLAY, -geometry WxH+X+Y, -iconic, -direct, -indirect, -gldebug, -sync\n"
    "              passed on to GLUT; the word after -display or -geometry is its\n"
    "              value, whatever it is (ruko -geometry --help starts the game).\n"
    "              -geometry 1280x960+0+0 opens the window at that size and place\n"
    "              (else 640x480 at 0,0); the texts grow by the whole factor of\n"
    "              640x480 that the window holds\n"
    "\n"
    "The controls are listed in ruko(6) and in the README; the right mouse button\n"
    "opens the view menu on every screen.\n";

const GlutOption* findGlutOption(const char* argument) {
    for (const GlutOption& option : glutOptions)
        if (std::strcmp(argument, option.name) == 0)
            return &option;
    return nullptr;
}

bool badUsage(const char* complaint, const char* argument, int* exitStatus) {
    std::fprintf(stderr, "ruko: %s: %s\n", complaint, argument);
    printUsage(stderr);
    *exitStatus = 2;
    return false;
}

bool muteFromEnvironment() {
    const char* value = std::getenv("RUKO_MUTE");
    return value && *value && std::strcmp(value, "0") != 0;
}

struct FileOption {
    const char* name;
    std::string* path;
};

const FileOption fileOptions[] = {
    {"--record", &recordPath},
    {"--replay", &replayPath},
    {"--check", &checkPath},
};

std::string* fileOption(const char* argument) {
    for (const FileOption& option : fileOptions)
        if (std::strcmp(argument, option.name) == 0)
            return option.path;
    return nullptr;
}

} // namespace

void printUsage(std::FILE* out) {
    std::fputs(usageText, out);
}

bool readCommandLine(int* argc, char** argv, int* exitStatus) {
    *exitStatus = 0;
    muteRequested = muteFromEnvironment();
    if (*argc < 1)
        return true; // started with no arguments at all, not even a name: nothing to read
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--help") == 0) {
            printUsage(stdout);
            return false;
        }
        if (std::strcmp(argument, "--version") == 0) {
            std::printf("ruko %s\n", RUKO_VERSION);
            return false;
        }
        if (std::strcmp(argument, "--settings") == 0) {
            loadSettings(settingsFilePath());
            std::fputs(formatSettings(settingsInEffect).c_str(), stdout);
            return false;
        }
        if (std::strcmp(argument, "--write-settings") == 0) {
            *exitStatus = writeNewSettingsFile();
            return false;
        }
        if (std::strcmp(argument, "--pads") == 0) {
            *exitStatus = listPads();
            return false;
        }
        if (std::strcmp(argument, "--mute") == 0) {
            muteRequested = true;
            continue;
        }
        if (std::string* path = fileOption(argument)) {
            if (i + 1 >= *argc)
                return badUsage("missing file for", argument, exitStatus);
            *path = pathFromStartFolder(argv[++i]);
            continue;
        }
        const GlutOption* glutOption = findGlutOption(argument);
        if (!glutOption)
            return badUsage("unknown option", argument, exitStatus);
        argv[kept++] = argv[i];
        if (glutOption->takesValue) {
            if (i + 1 >= *argc)
                return badUsage("missing value for", argument, exitStatus);
            argv[kept++] = argv[++i];
        }
    }
    if (!checkPath.empty() && (!replayPath.empty() || !recordPath.empty()))
        return badUsage("--check goes alone, without", replayPath.empty() ? "--record" : "--replay",
                        exitStatus);
    *argc = kept;
    argv[kept] = nullptr;
    return true;
}
