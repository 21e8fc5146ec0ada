#include "replay/replay_lines.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

namespace {

const std::string header = "ruko-replay 1 ruko 1.0\n";

TEST(ReplayFile, EveryEventAndEveryKeyReadsBackAsWritten) {
    std::string text = header + "0 keys w x up down left right i k l m t\n";
    for (KeyCode key = 0; key < specialKeyBase + 256; ++key)
        text += "7 key " + replayKeyName(key) + "\n";
    text += "8 menu 5\n9 click\n9 pad\n10 hidden\n10 shown\n11 size 1920 1080\n"
            "60 check screen=fight menus=0123abcd view=ffffffff\n61 quit\n";
    Replay replay;
    int line = 0;
    std::string error;
    ASSERT_TRUE(parseReplay(text, replay, line, error)) << line << ": " << error;
    EXPECT_EQ(replay.gameVersion, "1.0");
    std::string written = header;
    for (std::size_t i = 0; i < replay.events.size(); ++i) {
        written += formatReplayEvent(replay, replay.events[i]) + "\n";
        if (i > 0 && i <= static_cast<std::size_t>(specialKeyBase + 256)) {
            EXPECT_EQ(replay.events[i].value, static_cast<int>(i - 1));
        }
    }
    EXPECT_EQ(written, text);
    EXPECT_EQ(replayKeyName(13), "return");
    EXPECT_EQ(replayKeyName(specialKeyBase + GLUT_KEY_UP), "up");
}

TEST(ReplayFile, ABadFileIsNamedByItsLineAndAFinalCutLineLeftOut) {
    struct Bad {
        std::string text;
        int line;
        const char* says;
    };
    const Bad bads[] = {
        {"", 1, "not a recording of RUKO"},
        {"P6\n640 480\n", 1, "not a recording of RUKO"},
        {std::string("\xff\xfer\0u\0k\0o\0\n\0", 12), 1, "UTF-16 text, save it as UTF-8"},
        {"ruko-replay 2 ruko 9.9\n5 key x\n", 1, "format '2'"},
        {header + "5 key x\n\n# seen\n3 key x\n", 5, "steps go backwards"},
        {header + "5 jump\n", 2, "unknown event 'jump'"},
        {header + "5 key \x1b[2J\n", 2, "unknown key '\\x1b[2J'"},
        {header + "-5 key x\n", 2, "not a step number"},
        {header + "99999999999999 key x\n", 2, "not a step number"},
        {header + "5184001 key x\n", 2, "past the end: a recording holds at most 24 hours"},
        {header + "5 key x y\n", 2, "one key"},
        {header + "5 keys w x up\n", 2, "13 actions expected (11 without the guard's and the"},
        {header + "5 keys w x up down left right i k l m t c g o\n", 2, "13 actions"},
        {header + "5 keys w x up down left right i k l m t w\n", 2, "two actions"},
        {header + "0 challenge\n", 2, "challenge event gives its generator's state"},
        {header + "0 challenge 0\n", 2, "(1 to 4294967295) or off"},
        {header + "0 challenge 4294967296\n", 2, "(1 to 4294967295) or off"},
        {header + "0 challenge on\n", 2, "(1 to 4294967295) or off"},
        {header + "0 challenge 7 off\n", 2, "(1 to 4294967295) or off"},
        {header + "5 keys w w up down left right i k l m t\n", 2, "two actions"},
        {header + "5 menu 6\n", 2, "from 1 to 5"},
        {header + "5 size 0 480\n", 2, "from 1 to 65535"},
        {header + "5 check screen\n", 2, "name=value"},
        {header + "5 quit now\n", 2, "unexpected 'now'"},
    };
    for (const Bad& bad : bads) {
        Replay replay;
        int line = 0;
        std::string error;
        EXPECT_FALSE(parseReplay(bad.text, replay, line, error)) << bad.text;
        EXPECT_EQ(line, bad.line) << bad.text;
        EXPECT_NE(error.find(bad.says), std::string::npos) << error;
    }
    Replay replay;
    int line = 0;
    std::string error;
    // As Notepad saves it: a byte-order mark, lines ended by CR LF.
    ASSERT_TRUE(
        parseReplay("\xef\xbb\xbf" + header + "5 key x\r\n6 key w\n7 ke", replay, line, error))
        << error;
    EXPECT_EQ(replay.events.size(), 2u);
    EXPECT_TRUE(replay.lastLineCut);
}

// The challenge's lines: on with the generator's state, or off, written back as read. The
// keys line names the guard's key (and the pause's) only where it is not c (p), so that a recording
// without the challenge reads and writes as before it; an older line without it leaves the guard at
// c even where another action has c (that one keeps it: the guard plays only in the challenge).
TEST(ReplayFile, TheChallengeAndTheGuardsKey) {
    const std::string text = header + "0 keys w x up down left right i k l m t\n"
                                      "0 challenge 4294967295\n"
                                      "5 keys w x up down left right i k l m t g\n"
                                      "9 challenge off\n"
                                      "9 keys w x up down left right i k l m c\n"
                                      "12 challenge 1\n"
                                      "12 keys w x up down left right i k l m t c o\n";
    Replay replay;
    int line = 0;
    std::string error;
    ASSERT_TRUE(parseReplay(text, replay, line, error)) << line << ": " << error;
    ASSERT_EQ(replay.events.size(), 7u);
    EXPECT_EQ(replay.events[1].kind, ReplayEventKind::challenge);
    EXPECT_EQ(replay.events[1].height, 1);
    EXPECT_EQ(static_cast<std::uint32_t>(replay.events[1].value), 4294967295u);
    EXPECT_EQ(replay.events[3].height, 0);
    const int guard = static_cast<int>(Action::guard);
    ASSERT_EQ(replay.keySets.size(), 4u);
    EXPECT_EQ(replay.keySets[0][static_cast<int>(Action::pause)], 'p');
    EXPECT_EQ(replay.keySets[3][static_cast<int>(Action::pause)], 'o');
    EXPECT_EQ(replay.keySets[0][guard], 'c');
    EXPECT_EQ(replay.keySets[1][guard], 'g');
    EXPECT_EQ(replay.keySets[2][guard], 'c');
    EXPECT_EQ(replay.keySets[2][static_cast<int>(Action::turn)], 'c');
    std::string written = header;
    for (const ReplayEvent& event : replay.events)
        written += formatReplayEvent(replay, event) + "\n";
    EXPECT_EQ(written, text);
}

// The challenge's line names its rules' version after the state; a line without (all before
// the versions) was made under the first rules and is written back as it was.
TEST(ReplayFile, TheChallengesLineNamesItsRules) {
    struct Line {
        const char* read;
        int rules; // -1: refused
        const char* written;
    };
    const Line lines[] = {
        {"0 challenge 7", 1, "0 challenge 7"},
        {"0 challenge 7 2", 2, "0 challenge 7 2"},
        {"0 challenge off", 0, "0 challenge off"},
        {"0 challenge off 2", -1, nullptr},
        {"0 challenge 7 0", -1, nullptr},
        {"0 challenge 7 65536", -1, nullptr},
        {"0 challenge 7 2 2", -1, nullptr},
        {"0 challenge 7 2 hard", 2, "0 challenge 7 2 hard"},
        {"0 challenge 7 1 easy", 1, "0 challenge 7 1 easy"},
        {"0 challenge 7 2 normal", 2, "0 challenge 7 2"},
    };
    for (const Line& line : lines) {
        Replay replay;
        int at = 0;
        std::string error;
        ASSERT_EQ(parseReplay(header + line.read + "\n", replay, at, error), line.rules >= 0)
            << line.read;
        if (line.rules < 0) {
            EXPECT_NE(error.find("version of its rules (1 to 65535), then its level"),
                      std::string::npos)
                << error;
            continue;
        }
        EXPECT_EQ(replay.events[0].height, line.rules) << line.read;
        EXPECT_EQ(formatReplayEvent(replay, replay.events[0]), line.written);
    }
    EXPECT_EQ(challengeLine(60, true, 2463534242u),
              "60 challenge 2463534242 " + std::to_string(challengeRulesVersion));
    EXPECT_EQ(challengeLine(60, true, 5u, 2, 0), "60 challenge 5 2 easy");
}

} // namespace
