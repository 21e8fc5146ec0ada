#include "app/command_line.h"

#include "input/pad_list.h"
#include "input/settings.h"
#include "input/settings_writer.h"
#include "platform/platform.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

bool muteRequested = false;
std::string recordPath;
std::string replayPath;
std::string checkPath;
bool setupRequested = false;
bool challengeRequested = false;
int difficultyRequested = -1;

namespace {

struct GlutOption {
    const char* name;
    bool takesValue;
};

constexpr GlutOption glutOptions[] = {
    {"-display", true},   {"-iconic", false},  {"-direct", false},
    {"-indirect", false}, {"-gldebug", false}, {"-sync", false},
};

constexpr char usageText[] =
    "Usage: ruko [--mute] [--challenge] [--difficulty LEVEL] [--record FILE] [--replay FILE]\n"
    "            [GLUT options]\n"
    "       ruko --setup [--mute] [GLUT options]\n"
    "       ruko --check FILE | --help | --version | --settings | --write-settings\n"
    "       ruko --pads\n"
    "\n"
    "RUKO is a small 3D boxing game for one player: fight one of three computer\n"
    "opponents in first person, or train on a punch bag and a punching ball.\n"
    "The game's texts are in French or in English: ruko --setup opens the settings\n"
    "(language, full screen, text size, volume, keys, pads) in a window; its PLAY\n"
    "saves them and starts the game. The key p (Start on a pad) pauses a fight or\n"
    "a training.\n"
    "\n"
    "Options:\n"
    "  --mute      start without sound (RUKO_MUTE=1 does the same)\n"
    "  --challenge the opponent boxes back for this session (three rounds,\n"
    "              knockdowns, a decision on points; the key c guards), as\n"
    "              challenge = yes under [game] in the settings file does;\n"
    "              the mode menu's CIRCUIT then climbs the three opponents in\n"
    "              order to the title\n"
    "  --difficulty LEVEL  the challenge's level for this session: easy, normal\n"
    "              or hard (the time the opponent leaves to answer, how hard it\n"
    "              hits), as difficulty = LEVEL under [game] does\n"
    "  --record FILE  record the session into FILE; without it, the game keeps\n"
    "              the last session's recording as last.replay (see ruko(6))\n"
    "  --replay FILE  play a recording back in the window; Escape hands the game\n"
    "              over, as its end does\n"
    "  --check FILE   run a recording as fast as it goes, drawing nothing: exit 0\n"
    "              when the game stays on course, 1 where it does not, 2 for a\n"
    "              file that is not a recording or could never be played (as one\n"
    "              made under other rules of the challenge)\n"
    "  --setup     the settings window: set them with the mouse, the keys or a pad,\n"
    "              try the volume and the pads, save them, play\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "  --settings  print the settings in effect, in the settings file's format\n"
    "  --write-settings  make the settings file with the usual settings, where there\n"
    "              is none (never over one), and say where it is\n"
    "  --pads      list the pads SDL sees and whether each can play, or why none is seen\n"
    "  -geometry WxH+X+Y  the window's size and place, or one alone (WxH, +X+Y;\n"
    "              -X and -Y count from the screen's right and bottom edges):\n"
    "              1280x960+0+0 opens it at that size and place; what is not\n"
    "              given stays 640x480 at 0,0. The texts grow by the whole factor\n"
    "              of 640x480 that the window holds\n"
    "  -display DISPLAY, -iconic, -direct, -indirect, -gldebug, -sync\n"
    "              passed on to GLUT; the word after -display or -geometry is its\n"
    "              value, whatever it is\n"
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

// A whole number from 0 to 32767 (X11's coordinates), moving `text` past it.
bool readNumber(const char*& text, int& value) {
    if (*text < '0' || *text > '9')
        return false;
    value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        if ((value = value * 10 + (*text - '0')) > 32767)
            return false;
    return true;
}

// {+-}N, moving `text` past it.
bool readOffset(const char*& text, int& value, bool& fromEnd) {
    if (*text != '+' && *text != '-')
        return false;
    fromEnd = *text++ == '-';
    return readNumber(text, value);
}

bool readGeometry(const char* text, WindowGeometry& geometry) {
    WindowGeometry read;
    if (*text == '=')
        ++text;
    if (*text != '+' && *text != '-' &&
        !(readNumber(text, read.width) && (*text == 'x' || *text == 'X') &&
          readNumber(++text, read.height) && read.width > 0 && read.height > 0))
        return false;
    if (*text && !(readOffset(text, read.x, read.fromRight) &&
                   readOffset(text, read.y, read.fromBottom) && !*text))
        return false;
    geometry = read;
    return true;
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

// ruko-setup.exe, beside ruko.exe in the Windows zip, is the game opening its settings.
bool startedAsSetup(const char* programPath) {
    std::string name = programPath;
    name = name.substr(name.find_last_of("/\\") + 1);
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name == "ruko-setup" || name == "ruko-setup.exe";
}

} // namespace

void printUsage(std::FILE* out) {
    std::fputs(usageText, out);
}

bool readCommandLine(int* argc, char** argv, int* exitStatus) {
    *exitStatus = 0;
    muteRequested = muteFromEnvironment();
    setupRequested = *argc >= 1 && startedAsSetup(argv[0]);
    challengeRequested = false;
    difficultyRequested = -1;
    askedGeometry = {};
    displayName.clear();
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
        if (std::strcmp(argument, "--setup") == 0) {
            setupRequested = true;
            continue;
        }
        if (std::strcmp(argument, "--mute") == 0) {
            muteRequested = true;
            continue;
        }
        if (std::strcmp(argument, "--challenge") == 0) {
            challengeRequested = true;
            continue;
        }
        if (std::strcmp(argument, "--difficulty") == 0) {
            if (i + 1 >= *argc)
                return badUsage("missing value for", argument, exitStatus);
            difficultyRequested = difficultyOfName(argv[++i]);
            if (difficultyRequested < 0)
                return badUsage("bad --difficulty (easy, normal or hard)", argv[i], exitStatus);
            continue;
        }
        if (std::string* path = fileOption(argument)) {
            if (i + 1 >= *argc)
                return badUsage("missing file for", argument, exitStatus);
            *path = pathFromStartFolder(argv[++i]);
            continue;
        }
        if (std::strcmp(argument, "-geometry") == 0) {
            if (i + 1 >= *argc)
                return badUsage("missing value for", argument, exitStatus);
            if (!readGeometry(argv[++i], askedGeometry))
                return badUsage("bad -geometry (WxH, +X+Y or WxH+X+Y)", argv[i], exitStatus);
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
            if (std::strcmp(argument, "-display") == 0)
                displayName = argv[i];
        }
    }
    if (setupRequested && (!checkPath.empty() || !replayPath.empty()))
        return badUsage("--setup goes without", checkPath.empty() ? "--replay" : "--check",
                        exitStatus);
    if (!checkPath.empty() && (!replayPath.empty() || !recordPath.empty()))
        return badUsage("--check goes alone, without", replayPath.empty() ? "--record" : "--replay",
                        exitStatus);
    *argc = kept;
    argv[kept] = nullptr;
    return true;
}
