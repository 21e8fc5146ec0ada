// Seeded random sessions played through the game's real input path (keys and custom keys, pad
// presses, clicks, every right-button entry, hides and shows, resizes and full screen, idling
// into the demo, recordings handed over and taken back), each recorded, then checked by the
// real game with `ruko --check`. Half the sessions play with the challenge (--challenge), some
// recordings handed over carry it too, and every check runs with settings that say the
// opposite of the session's: a recording plays the same whatever the checker's settings. A failure
// prints its seed and what the check said: the line, the step and the part of the state that
// differ.
//
//   replay_soak GAME SCRATCH SEED...          the sessions of those seeds
//   replay_soak GAME SCRATCH --seconds N      new seeds, one after the other, for N seconds
// Run from the project root (the game reads Data/).
//
// Each session runs in a process of its own, started afresh as the game is. While it plays it
// also checks what no recording would show: the player's keys are in effect whenever the
// player drives, and only the player's play shakes the pad.

#include "app/command_line.h"
#include "app/idle_pacing.h"
#include "app/screen.h"
#include "app/startup.h"
#include "input/inputs.h"
#include "input/keys.h"
#include "input/pad_layout.h"
#include "input/pads.h"
#include "menus/menus.h"
#include "menus/view_menu.h"
#include "replay/demo.h"
#include "replay/plug_in.h"
#include "replay/recorder.h"
#include "replay/replay_lines.h"
#include "replay/replays.h"
#include "replay/sources.h"
#include "tests/support/virtual_sdl_pad.h"

#include <GL/freeglut.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace {

constexpr const char* handedOver[] = {"menus", "fight", "training_bag", "training_ball"};
constexpr char recordingsFolder[] = "tests/e2e/recordings/";
constexpr int sessionActions = 160;

// Another player's keys: the usual ones with the punches and a step moved elsewhere.
constexpr const char* otherKeys = "[keys]\nleft_punch = z\nright_punch = c\nstep_in = f\n";

void fail(const char* what) {
    std::fprintf(stderr, "replay_soak: %s\n", what);
    std::fflush(stderr);
    std::_Exit(3);
}

ActionKeys playerKeys{};
int demoSteps = 0; // how long the demo drove: a soak that never reaches it proves less

int SDLCALL onRumble(void*, Uint16 low, Uint16 high) {
    if ((low || high) && liveSource() != Source::player)
        fail("the pad rumbled while the player did not drive");
    return 0;
}

// The game's slots, unpaced; GLUT's own events every few (the window's changes of size), with
// its idle kept from running steps of its own, so that a seed plays the same each time.
void runSlots(int slots) {
    for (int i = 0; i < slots; ++i) {
        runSlot();
        demoSteps += liveSource() == Source::demo;
        if (i % 16 == 0) {
            glutIdleFunc(nullptr);
            glutMainLoopEvent();
        }
        if (liveSource() == Source::player && keysInEffect() != playerKeys)
            fail("the keys in effect are not the player's while the player drives");
    }
}

// A recording that idles on the title and ends in the demo it set going.
constexpr char idleRecording[] = "ruko-replay 1 ruko 1.0\n0 keys w x up down left right i k l m t\n"
                                 "1900 hidden\n1900 shown\n";

std::string readFile(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A recording of ours played with the challenge on from its start, a seed of its own (its
// checkpoints, made without it, left out).
std::string withChallenge(const std::string& text, std::mt19937& random) {
    std::istringstream lines(text);
    std::string result;
    for (std::string line; std::getline(lines, line);) {
        if (line.find(" check ") != std::string::npos)
            continue;
        result += line + "\n";
        if (line.rfind("0 keys ", 0) == 0 && result.find(" challenge ") == std::string::npos)
            result += challengeLine(0, true, 1 + random() % 4000000000u) + "\n";
    }
    return result;
}

void handOver(std::mt19937& random, bool idle) {
    Replay replay;
    std::string problem;
    int line = 0;
    const std::string path = std::string(recordingsFolder) + handedOver[random() % 4] + ".replay";
    const bool challenge = !idle && random() % 2;
    if (idle        ? !parseReplay(idleRecording, replay, line, problem)
        : challenge ? !parseReplay(withChallenge(readFile(path), random), replay, line, problem)
                    : !readReplayFile(path, replay, problem))
        fail(problem.c_str());
    startReplay(replay, idle ? "idle.replay" : path);
}

// Enter, now and then Escape, the arrows, a letter, the player's actions.
KeyCode someKey(std::mt19937& random) {
    const KeyCode keys[] = {enterKey, random() % 6 ? enterKey : escapeKey,
                            specialKey(GLUT_KEY_LEFT + static_cast<int>(random() % 4)),
                            'a' + static_cast<int>(random() % 26)};
    const unsigned pick = random() % 8;
    return pick < 4 ? keys[pick] : playerKeys[random() % actionCount];
}

void playOneAction(std::mt19937& random) {
    if (liveSource() == Source::replay && random() % 10 != 0) {
        runSlots(1 + static_cast<int>(random() % 60)); // mostly watching it
        return;
    }
    const unsigned pick = random() % 100;
    if (pick < 45) {
        const KeyCode key = someKey(random);
        if (key < specialKeyBase)
            keyboardInput(static_cast<unsigned char>(key), 0, 0);
        else
            specialInput(key - specialKeyBase, 0, 0);
    } else if (pick < 55) {
        padInput(padKey(screenPadLayout(), static_cast<PadInput>(random() % padInputCount)));
    } else if (pick < 59) {
        mouseInput(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    } else if (pick < 69) {
        onViewMenuPick(1 + static_cast<int>(random() % 4));
    } else if (pick < 74) {
        visibilityInput(GLUT_NOT_VISIBLE);
        runSlots(static_cast<int>(random() % 30));
        visibilityInput(GLUT_VISIBLE);
    } else if (pick < 78) {
        glutReshapeWindow(320 + static_cast<int>(random() % 960),
                          240 + static_cast<int>(random() % 720));
    } else if (pick < 84 && std::string(screenName()) == "title") {
        if (random() % 2)
            onViewMenuPick(1 + static_cast<int>(random() % 4)); // the demo plays in its own view
        runSlots(demoAfterSteps + static_cast<int>(random() % 2400)); // to its end, at times
        if (random() % 3 == 0)
            onViewMenuPick(fullScreenEntry); // the window's: the demo plays on
    } else if (pick < 86 && liveSource() == Source::player) {
        handOver(random, random() % 5 == 0);
    }
    runSlots(1 + static_cast<int>(random() % 40));
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

// Half the sessions, the handed-over ones among them, with the challenge.
bool challengeSession(unsigned seed) {
    return seed % 4 >= 2;
}

// The child: the game as it starts, played by the seed, then ended as a player ends it.
[[noreturn]] void playSession(unsigned seed, const std::string& folder) {
    std::mt19937 random(seed);
    const std::string config = folder + "/config";
    mkdir(config.c_str(), 0700);
    mkdir((config + "/ruko").c_str(), 0700);
    writeFile(config + "/ruko/ruko.conf", seed % 2 ? otherKeys : "");
    challengeRequested = challengeSession(seed);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_STATE_HOME", folder.c_str(), 1);
    int argc = 1;
    char name[] = "ruko";
    char* argv[] = {name, nullptr};
    startGame(&argc, argv);
    plugInSources();
    loadDemo();
    startPads();
    if (attachVirtualPad(onRumble) < 0)
        fail(SDL_GetError());
    playerKeys = keysInEffect();
    startRecording(folder + "/session.replay");
    enterTitleScreen();
    if (seed % 3 == 0)
        handOver(random, seed % 2 == 1); // as ruko --replay does
    for (int action = 0; action < sessionActions; ++action)
        playOneAction(random);
    std::printf("%d steps, %d of them in the demo\n", static_cast<int>(stepsRun()), demoSteps);
    std::fflush(stdout);
    onViewMenuPick(quitEntry);
    std::_Exit(4); // quitting returned
}

// One seed: played, then checked. False, said with the seed, when either fails.
bool soak(const std::string& game, const std::string& scratch, unsigned seed) {
    const std::string folder = scratch + "/seed" + std::to_string(seed);
    if (std::system(("rm -rf '" + folder + "' && mkdir -p '" + folder + "'").c_str()) != 0)
        fail("no scratch folder");
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (!freopen((folder + "/session.out").c_str(), "w", stdout) ||
            !freopen((folder + "/session.err").c_str(), "w", stderr))
            fail("no session files");
        playSession(seed, folder);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("seed %u: the session failed (wait status %d): %s", seed, status,
                    readFile(folder + "/session.err").c_str());
        return false;
    }
    const std::string said = readFile(folder + "/session.err");
    if (said.find("the demo goes otherwise") != std::string::npos) {
        std::printf("seed %u: %s", seed, said.c_str());
        return false;
    }
    const std::string checker = folder + "/checker";
    mkdir(checker.c_str(), 0700);
    mkdir((checker + "/ruko").c_str(), 0700);
    writeFile(checker + "/ruko/ruko.conf",
              std::string("[game]\nchallenge = ") + (challengeSession(seed) ? "no\n" : "yes\n"));
    const std::string check = "XDG_CONFIG_HOME='" + checker + "' timeout 120 '" + game +
                              "' --check '" + folder + "/session.replay' >'" + folder +
                              "/check.out' 2>'" + folder + "/check.err'";
    const int checked = std::system(check.c_str());
    if (checked != 0) {
        std::printf("seed %u: ruko --check exits %d: %s", seed, WEXITSTATUS(checked),
                    readFile(folder + "/check.err").c_str());
        return false;
    }
    if (readFile(folder + "/check.out").find(" checks: ") == std::string::npos) {
        std::printf("seed %u: ruko --check passed without saying so\n", seed);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: replay_soak GAME SCRATCH SEED... | --seconds N\n");
        return 2;
    }
    const std::string game = argv[1];
    const std::string scratch = argv[2];
    int failures = 0;
    int sessions = 0;
    if (std::string(argv[3]) == "--seconds" && argc == 5) {
        using Clock = std::chrono::steady_clock;
        const auto end = Clock::now() + std::chrono::seconds(std::atoi(argv[4]));
        const unsigned first = static_cast<unsigned>(Clock::now().time_since_epoch().count());
        for (unsigned seed = first % 1000000; Clock::now() < end; ++seed, ++sessions)
            failures += !soak(game, scratch, seed);
    } else {
        for (int i = 3; i < argc; ++i, ++sessions)
            failures += !soak(game, scratch, static_cast<unsigned>(std::atoi(argv[i])));
    }
    std::printf("%d sessions, %d failed\n", sessions, failures);
    return failures ? 1 : 0;
}
