#include "bench/game_session.h"

#include "bench/process_probe.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

constexpr int startTimeoutMilliseconds = 20000;
constexpr int firstFrames = 10;
constexpr unsigned long keyHoldMilliseconds = 30; // the server releases the key this late
constexpr int padWaitMilliseconds = 2000;         // for the game to open the pad's script

// The viewable window titled "RUKO" under `parent` (a window manager would frame it), 0 while
// there is none.
Window findGameWindow(Display* display, Window parent) {
    Window root = 0, up = 0, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes;
        if (XFetchName(display, children[i], &name) && name && std::strcmp(name, "RUKO") == 0 &&
            XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable)
            found = children[i];
        if (name)
            XFree(name);
        if (!found)
            found = findGameWindow(display, children[i]);
    }
    if (children)
        XFree(children);
    return found;
}

} // namespace

void sleepMilliseconds(double milliseconds) {
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(milliseconds));
}

GameSession::GameSession(const std::string& game, const std::string& probeLibrary, bool hashFrames,
                         const GameOptions& options) {
    const std::string& padLibrary = options.padLibrary;
    char log[] = "/tmp/ruko_swaps_XXXXXX";
    const int logFile = mkstemp(log);
    if (logFile < 0)
        return;
    close(logFile);
    log_ = log;
    char folder[] = "/tmp/ruko_bench_XXXXXX";
    if (!mkdtemp(folder))
        return;
    folder_ = folder;
    for (const char* own : {"/config", "/state", "/home"})
        std::filesystem::create_directory(folder_ + own);
    if (!padLibrary.empty()) {
        padFifo_ = log_ + ".pad";
        if (mkfifo(padFifo_.c_str(), 0600) != 0)
            padFifo_.clear();
    }
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        return;
    // The last session's window may linger a moment after its game ended: over the new one,
    // it would hide it, and a hidden game draws nothing.
    for (int waited = 0; waited < startTimeoutMilliseconds; waited += 10) {
        if (!findGameWindow(display_, DefaultRootWindow(display_)))
            break;
        sleepMilliseconds(10);
    }
    pid_ = fork();
    if (pid_ == 0) {
        setenv("RUKO_PROBE_LOG", log_.c_str(), 1);
        setenv("RUKO_PROBE_KEY_LOG", (log_ + ".keys").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (folder_ + "/config").c_str(), 1);
        setenv("XDG_STATE_HOME", (folder_ + "/state").c_str(), 1);
        setenv("HOME", (folder_ + "/home").c_str(), 1);
        if (hashFrames)
            setenv("RUKO_PROBE_HASH", options.sampledHash ? "sampled" : "1", 1);
        if (options.llvmpipeThreads)
            setenv("LP_NUM_THREADS", options.llvmpipeThreads, 1);
        if (padFifo_.empty()) {
            execUnderProbe(game, probeLibrary, options.arguments);
        } else {
            setenv("RUKO_PAD_SCRIPT", padFifo_.c_str(), 1);
            execUnderProbe(game, probeLibrary + ":" + padLibrary, options.arguments);
        }
    }
    if (pid_ < 0)
        return;
    for (int waited = 0; waited < startTimeoutMilliseconds; waited += 10) {
        if (!window_)
            window_ = findGameWindow(display_, DefaultRootWindow(display_));
        if (window_ && swaps().size() >= firstFrames)
            break;
        sleepMilliseconds(10);
    }
    if (!window_ || swaps().size() < firstFrames) {
        window_ = 0;
        return;
    }
    XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
    XSync(display_, False);
    // A game that reads no pads never opens the script: then it has none.
    for (int waited = 0; !padFifo_.empty() && waited < padWaitMilliseconds; waited += 10) {
        padScript_ = open(padFifo_.c_str(), O_WRONLY | O_NONBLOCK);
        if (padScript_ >= 0) {
            fcntl(padScript_, F_SETFL, 0);
            break;
        }
        sleepMilliseconds(10);
    }
}

GameSession::~GameSession() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    if (display_)
        XCloseDisplay(display_);
    if (!log_.empty()) {
        std::remove(log_.c_str());
        std::remove((log_ + ".keys").c_str());
    }
    if (!folder_.empty())
        std::filesystem::remove_all(folder_);
    if (padScript_ >= 0)
        close(padScript_);
    if (!padFifo_.empty())
        std::remove(padFifo_.c_str());
}

long long GameSession::tapPad(const char* button) {
    const std::string command = std::string("tap ") + button + "\n";
    const long long sent = monotonicNow();
    if (write(padScript_, command.data(), command.size()) < 0)
        std::perror("the virtual pad's script");
    return sent;
}

long long GameSession::press(unsigned long keySym) {
    const KeyCode code = XKeysymToKeycode(display_, keySym);
    const long long sent = monotonicNow();
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XFlush(display_);
    XTestFakeKeyEvent(display_, code, False, keyHoldMilliseconds);
    XFlush(display_);
    return sent;
}

std::vector<SwapRecord> GameSession::swaps() const {
    std::vector<SwapRecord> records;
    std::ifstream in(log_, std::ios::binary);
    SwapRecord record{};
    while (in.read(reinterpret_cast<char*>(&record), sizeof record))
        records.push_back(record);
    return records;
}

std::vector<long long> GameSession::keyReads() const {
    std::vector<long long> reads;
    std::ifstream in(log_ + ".keys", std::ios::binary);
    long long read = 0;
    while (in.read(reinterpret_cast<char*>(&read), sizeof read))
        reads.push_back(read);
    return reads;
}

double GameSession::cpuSeconds() const {
    std::ifstream in("/proc/" + std::to_string(pid_) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // After the command name in brackets: state, then 10 fields, then utime and stime.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int i = 0; i < 11; ++i)
        fields >> field;
    unsigned long long user = 0, system = 0;
    fields >> user >> system;
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::string GameSession::lastCheckpoint() const {
    std::ifstream in(folder_ + "/state/ruko/last.replay");
    std::string line, last;
    while (std::getline(in, line)) {
        const std::size_t space = line.find(' ');
        if (space != std::string::npos && line.compare(space, 7, " check ") == 0)
            last = line;
    }
    return last;
}
