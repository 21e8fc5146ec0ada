#include "app/idle_pacing.h"
#include "app/screen.h"
#include "app/startup.h"
#include "challenge/challenge_random.h"
#include "challenge/challenge_rules.h"
#include "game/controls.h"
#include "input/inputs.h"
#include "input/keys.h"
#include "menus/menus.h"
#include "menus/view_menu.h"
#include "replay/demo.h"
#include "replay/game_state.h"
#include "replay/plug_in.h"
#include "replay/recorder.h"
#include "replay/replay_lines.h"
#include "replay/replays.h"
#include "replay/sources.h"
#include "tests/support/gl_harness.h"
#include "tests/support/quit_guard.h"
#include "tests/support/stderr_capture.h"

#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The recordings as a player meets them, in the game's own window: a recording handing the game
// over, every input written down, and a recording edited by hand never passing for the game's.

namespace {

constexpr int stepsASecond = 60;
constexpr int idleBeforeDemo = 30 * stepsASecond;
const std::string header = replayHeader() + "\n";
const std::string usualKeys = "w x up down left right i k l m t";

SavedState startState;

// A file of this test's own: other games and tests may run meanwhile.
std::string scratch(const std::string& name) {
    return testing::TempDir() + "ruko_recordings_" + std::to_string(getpid()) + "_" + name;
}

void runSlots(int slots) {
    for (int i = 0; i < slots; ++i)
        runSlot();
}

std::string readFile(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

Replay parsed(const std::string& text) {
    Replay replay;
    int line = 0;
    std::string error;
    EXPECT_TRUE(parseReplay(text, replay, line, error)) << line << ": " << error;
    return replay;
}

// The game as it starts, on the title, with the player driving.
void startAgain() {
    if (liveSource() == Source::demo) // a check stopped under it
        endDemo();
    restoreGameState(startState);
    resetGlState();
    glEnable(GL_LIGHT0);
    enterTitleScreen();
}

// ruko --check in this process, from the game's start: its status, and what it said.
int check(const std::string& text, std::string& said) {
    startAgain();
    const Replay replay = parsed(text);
    int status = -1;
    said = stderrOf([&] { status = checkReplay(replay, "edited.replay"); });
    startAgain();
    return status;
}

class Recordings : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        initResources();
        plugInSources();
        loadDemo();
        startState = saveGameState();
        failIfQuitMidTest();
    }
    static void TearDownTestSuite() {
        suiteDone() = true;
        for (const char* name : {"recordings_scratch.replay", "every_input.replay",
                                 "handed_over.replay", "challenge.replay", "paused.replay"})
            std::remove(scratch(name).c_str());
    }
    void SetUp() override {
        const Settings usual = defaultSettings();
        ActionKeys keys{};
        std::copy(usual.keys, usual.keys + actionCount, keys.begin());
        setKeysInEffect(keys);
        startSources(false);
        startAgain();
        startRecording(scratch("recordings_scratch.replay"));
    }
};

bool onScreen(const char* name) {
    return std::string(screenName()) == name;
}

// A recording's checkpoint edited by hand, any part of it: the check fails there, at its line
// and step. (A press edited may end the game early: the end-to-end test edits those.)
void expectEveryEditedCheckpointFails(const std::string& text) {
    std::string said;
    ASSERT_EQ(check(text, said), 0) << said;
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    int checkpoints = 0;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const std::string& line = lines[at];
        const std::size_t space = line.find(' ');
        if (space == std::string::npos || line.compare(space, 7, " check ") != 0)
            continue;
        // Each part in turn, and the screen's name.
        const char* parts[] = {"screen=", "menus=", "fight=", "training=", "view="};
        const std::string part = parts[checkpoints++ % 5];
        std::string edited = line;
        const std::size_t value = edited.find(part) + part.size();
        if (part == "screen=")
            edited.insert(value, "x");
        else
            edited[value] = edited[value] == '0' ? '1' : '0';
        std::string editedText;
        for (std::size_t i = 0; i < lines.size(); ++i)
            editedText += (i == at ? edited : lines[i]) + "\n";
        EXPECT_EQ(check(editedText, said), 1) << edited;
        EXPECT_NE(said.find("edited.replay:" + std::to_string(at + 1) + ": step " +
                            line.substr(0, space) + ": "),
                  std::string::npos)
            << edited << " said: " << said;
    }
    EXPECT_GT(checkpoints, 5);
}

} // namespace

// Every kind of input is written down at the step it fell before, the menu's full screen and
// what the demo plays being no one's input, and the recording checks.
TEST_F(Recordings, EveryInputReachesTheRecording) {
    const std::string path = scratch("every_input.replay");
    startRecording(path);
    const long long first = stepsRun();
    std::string expected = header + "0 keys " + usualKeys + "\n";
    const auto at = [&](const std::string& line) {
        expected += std::to_string(stepsRun() - first) + " " + line + "\n";
    };
    runSlots(7);
    keyboardInput('a', 0, 0);
    at("key a");
    runSlots(1);
    specialInput(GLUT_KEY_LEFT, 0, 0);
    at("key left");
    runSlots(3);
    mouseInput(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 1);
    at("click");
    runSlots(2);
    mouseInput(GLUT_LEFT_BUTTON, GLUT_UP, 1, 1);
    padInput(0);
    at("pad");
    padInput('q');
    at("key q");
    onViewMenuPick(toggleWhiteLightEntry);
    at("menu 1");
    runSlots(70);
    onViewMenuPick(wireframeEntry);
    at("menu 3");
    onViewMenuPick(toggleWhiteLightEntry);
    at("menu 1");
    runSlots(5);
    onViewMenuPick(filledEntry);
    at("menu 4");
    visibilityInput(GLUT_NOT_VISIBLE);
    at("hidden");
    runSlots(20);
    visibilityInput(GLUT_VISIBLE);
    at("shown");
    runSlots(idleBeforeDemo + 40); // into the demo, which a press ends
    ASSERT_EQ(liveSource(), Source::demo);
    specialInput(GLUT_KEY_DOWN, 0, 0);
    at("key down");
    keyboardInput(enterKey, 0, 0);
    at("key return");
    runSlots(30);
    keyboardInput('\x01', 0, 0);
    at("key \\x01");
    specialInput(200, 0, 0);
    at("key s200");
    runSlots(90);

    // A checkpoint every 60 steps, hidden or not, whoever drives.
    const long long steps = stepsRun() - first;
    std::string written;
    long long checkpoint = 0;
    std::istringstream lines(readFile(path));
    for (std::string line; std::getline(lines, line);) {
        if (line.find(" check ") == std::string::npos) {
            written += line + "\n";
            continue;
        }
        checkpoint += stepsASecond;
        EXPECT_EQ(line.rfind(std::to_string(checkpoint) + " check screen=", 0), 0u) << line;
    }
    EXPECT_EQ(checkpoint, steps / stepsASecond * stepsASecond);
    EXPECT_EQ(written, expected);
    startRecording(scratch("recordings_scratch.replay"));
    expectEveryEditedCheckpointFails(readFile(path));
}

// While a recording plays, the player's presses wait but Escape, which takes the game over at
// once with the player's keys; so does the recording's end, and the event that ended the
// recorded game is never played.
TEST_F(Recordings, ARecordingHandsTheGameOverWithThePlayersKeys) {
    ActionKeys playerKeys = keysInEffect();
    playerKeys[0] = 'z';
    playerKeys[1] = 'c';
    setKeysInEffect(playerKeys);
    startSources(false);
    const std::string path = scratch("handed_over.replay");
    startRecording(path);
    const long long first = stepsRun();

    startReplay(parsed(header + "0 keys " + usualKeys + "\n20 key return\n40 key return\n" +
                       "600 key return\n"),
                "handed.replay");
    EXPECT_EQ(liveSource(), Source::replay);
    EXPECT_EQ(keysInEffect()[0], 'w');
    runSlots(30);
    EXPECT_TRUE(onScreen("mode_menu")) << screenName();
    const std::string before = stateCheckpoint();
    keyboardInput(enterKey, 0, 0);
    specialInput(GLUT_KEY_DOWN, 0, 0);
    padInput(enterKey);
    padInput(0);
    mouseInput(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 1);
    onViewMenuPick(toggleWhiteLightEntry);
    EXPECT_EQ(stateCheckpoint(), before) << "the player's presses ran under the recording";
    runSlots(20);
    EXPECT_TRUE(onScreen("opponent_menu")) << screenName();
    const long long handedAt = stepsRun() - first;
    keyboardInput(escapeKey, 0, 0);
    EXPECT_EQ(liveSource(), Source::player);
    EXPECT_EQ(keysInEffect(), playerKeys);
    EXPECT_TRUE(onScreen("opponent_menu")) << "Escape did more than take the game over";
    runSlots(600);
    EXPECT_TRUE(onScreen("opponent_menu")) << "the recording went on after Escape";
    keyboardInput(enterKey, 0, 0);
    EXPECT_TRUE(onScreen("decor_menu")) << screenName();
    const std::string recorded = readFile(path);
    EXPECT_NE(recorded.find("\n" + keysLine(handedAt, playerKeys) + "\n"), std::string::npos)
        << recorded;

    // At its end; and the Escape that ended its game is not played.
    for (int back = 0; back < 3; ++back)
        keyboardInput(escapeKey, 0, 0);
    ASSERT_TRUE(onScreen("title")) << screenName();
    startReplay(parsed(header + "0 keys " + usualKeys + "\n10 key return\n"), "ends.replay");
    runSlots(12);
    EXPECT_EQ(liveSource(), Source::player);
    EXPECT_EQ(keysInEffect(), playerKeys);
    keyboardInput(escapeKey, 0, 0);
    ASSERT_TRUE(onScreen("title"));
    startReplay(
        parsed(header + "0 keys " + usualKeys + "\n10 key return\n30 key return\n" + "30 quit\n"),
        "quits.replay");
    runSlots(40);
    EXPECT_TRUE(onScreen("mode_menu")) << screenName();
    EXPECT_EQ(liveSource(), Source::player);
    EXPECT_EQ(keysInEffect(), playerKeys);

    // A pad's B, which stands for Escape, takes it over as Escape does.
    startReplay(parsed(header + "0 keys " + usualKeys + "\n10 key down\n500 key return\n"),
                "pad.replay");
    runSlots(20);
    padInput(escapeKey);
    EXPECT_EQ(liveSource(), Source::player);
    EXPECT_EQ(keysInEffect(), playerKeys);
    EXPECT_TRUE(onScreen("mode_menu")) << screenName();
    runSlots(500);
    EXPECT_TRUE(onScreen("mode_menu")) << "the recording went on after the pad's B";
    runSlots(10);

    startRecording(scratch("recordings_scratch.replay"));
    std::string said;
    EXPECT_EQ(check(readFile(path), said), 0) << said;
}

// The challenge is the player's while the player drives (the settings, --challenge), a
// recording's while it does (off without its line), and the guard does nothing without it. The
// recording made says where it changes, with the generator's state, and checks whatever the
// checker's own option.
TEST_F(Recordings, TheChallengeFollowsWhoDrives) {
    seedChallengeRandom(1234);
    startSources(true);
    const std::string path = scratch("challenge.replay");
    startRecording(path);
    EXPECT_TRUE(challengeOn);
    const long long first = stepsRun();
    startReplay(parsed(header + "0 keys " + usualKeys +
                       "\n10 key return\n20 key return\n30 key return\n40 key return\n"
                       "900 key return\n"),
                "off.replay");
    runSlots(60);
    ASSERT_TRUE(onScreen("fight")) << screenName();
    EXPECT_FALSE(challengeOn);
    const std::string before = stateCheckpoint();
    applyFightAction(Action::guard);
    EXPECT_EQ(stateCheckpoint(), before) << "the guard acted without the challenge";
    const std::uint32_t generator = challengeRandomState;
    const long long handedAt = stepsRun() - first;
    keyboardInput(escapeKey, 0, 0);
    EXPECT_TRUE(challengeOn);
    keyboardInput('c', 0, 0);
    EXPECT_EQ(challenge.playerGuardSteps, playerGuardLength);
    runSlots(30);
    const std::string recorded = readFile(path);
    EXPECT_EQ(recorded.find(header + "0 keys " + usualKeys + "\n" + challengeLine(0, true, 1234)),
              0u)
        << recorded;
    EXPECT_NE(recorded.find("\n" + challengeLine(0, false, 0) + "\n"), std::string::npos);
    EXPECT_NE(recorded.find("\n" + challengeLine(handedAt, true, generator) + "\n"),
              std::string::npos)
        << recorded;
    for (int back = 0; back < 3; ++back)
        keyboardInput(escapeKey, 0, 0);
    ASSERT_TRUE(onScreen("title")) << screenName();

    startRecording(scratch("recordings_scratch.replay"));
    startSources(false);
    std::string said;
    EXPECT_EQ(check(readFile(path), said), 0) << said;
    EXPECT_FALSE(challengeOn) << "the checker's own option is not back";
}

// A fight paused and resumed, punches pressed while paused, checks as it was played.
TEST_F(Recordings, APausedFightChecks) {
    startRecording(scratch("paused.replay"));
    for (const char key : std::string("\r\r\r\rxpwpw\x1b\x1b\x1b")) {
        keyboardInput(static_cast<unsigned char>(key), 0, 0);
        runSlots(90);
    }
    startRecording(scratch("recordings_scratch.replay"));
    std::string said;
    const std::string recorded = readFile(scratch("paused.replay"));
    EXPECT_NE(recorded.find(" check screen=fight"), std::string::npos) << recorded;
    EXPECT_EQ(check(recorded, said), 0) << said;
}

// Hand-edited checkpoints in the recordings the tests and the title play.
TEST_F(Recordings, AnEditedCheckpointNeverChecks) {
    for (const char* name : {"menus", "fight", "training_bag", "training_ball"}) {
        SCOPED_TRACE(name);
        expectEveryEditedCheckpointFails(
            readFile("tests/e2e/recordings/" + std::string(name) + ".replay"));
    }
    SCOPED_TRACE(demoPath);
    expectEveryEditedCheckpointFails(readFile(demoPath));
}

// Every member of the challenge's state counts, one that a future change adds included: a
// checkpoint sees each one change, and the state the demo saves brings each back.
TEST_F(Recordings, EveryMemberOfTheChallengeIsHashedAndSaved) {
    challengeOn = 1;
    challenge = {};
    const std::string before = stateCheckpoint();
    const SavedState saved = saveGameState();
    int members[sizeof(ChallengeState) / sizeof(int)] = {};
    for (int& member : members) {
        member = 7;
        std::memcpy(&challenge, members, sizeof challenge);
        EXPECT_NE(stateCheckpoint(), before) << "member " << &member - members;
        member = 0;
        restoreGameState(saved);
        EXPECT_EQ(stateCheckpoint(), before) << "member " << &member - members;
    }
    challengeOn = 0;
}
