#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Parsed {
    bool play;
    int status;
    std::vector<std::string> left; // what glutInit would get
    std::string out, err;
};

Parsed parse(std::vector<std::string> words) {
    words.insert(words.begin(), "ruko");
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(words.size());
    Parsed parsed{};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    parsed.play = readCommandLine(&argc, argv.data(), &parsed.status);
    parsed.out = testing::internal::GetCapturedStdout();
    parsed.err = testing::internal::GetCapturedStderr();
    parsed.left.assign(argv.begin(), argv.begin() + argc);
    EXPECT_EQ(argv[argc], nullptr);
    return parsed;
}

// GLUT's options reach glutInit with their values; ours, and -geometry, are taken out;
// RUKO_MUTE mutes too. --challenge lasts one reading: the next command line has it off.
TEST(CommandLineTest, GlutOptionsPassThroughAndMuteIsTakenOut) {
    const Parsed p = parse({"-display", ":7", "--mute", "--challenge", "-sync", "-geometry",
                            "320x200+0+0", "--difficulty", "hard"});
    EXPECT_TRUE(p.play && muteRequested && challengeRequested);
    EXPECT_EQ(difficultyRequested, 2);
    EXPECT_EQ(p.left, (std::vector<std::string>{"ruko", "-display", ":7", "-sync"}));
    EXPECT_EQ(displayName, ":7");
    EXPECT_EQ(p.out + p.err, "");
    EXPECT_TRUE(parse({"-display", "--help"}).play); // GLUT's value, whatever it looks like
    EXPECT_FALSE(challengeRequested);
    EXPECT_EQ(difficultyRequested, -1);
    // Started with no arguments at all: nothing read, nothing written past the list.
    std::vector<char*> none{nullptr};
    int argc = 0, status = -1;
    EXPECT_TRUE(readCommandLine(&argc, none.data(), &status));
    EXPECT_TRUE(argc == 0 && status == 0 && none.size() == 1 && !none[0]);
    for (const char* mute : {"", "0", "1"}) {
        setenv("RUKO_MUTE", mute, 1);
        EXPECT_TRUE(parse({"-iconic"}).play);
        EXPECT_EQ(muteRequested, *mute == '1') << mute;
    }
    unsetenv("RUKO_MUTE");
}

// Help and version answer on stdout and stop, whatever follows; anything unknown, or GLUT's
// option without its value, is a usage error on stderr.
TEST(CommandLineTest, AnswersAndUsageErrors) {
    Parsed p = parse({"-sync", "--help", "--bogus"});
    EXPECT_TRUE(!p.play && p.status == 0 && p.err.empty());
    EXPECT_NE(p.out.find("Usage: ruko"), std::string::npos);
    EXPECT_NE(p.out.find("--mute"), std::string::npos);
    EXPECT_NE(p.out.find("[--challenge]"), std::string::npos);
    EXPECT_NE(p.out.find("the key c guards"), std::string::npos);
    p = parse({"--version"});
    EXPECT_TRUE(!p.play && p.status == 0);
    EXPECT_EQ(p.out, "ruko " RUKO_VERSION "\n");

    for (const char* bad :
         {"--mutee", "--challenge=yes", "fight", "-h", "-display", "--difficulty"}) {
        p = parse({"-sync", bad});
        EXPECT_TRUE(!p.play && p.status == 2 && p.out.empty()) << bad;
        EXPECT_NE(p.err.find(bad), std::string::npos);
        EXPECT_NE(p.err.find("Usage: ruko"), std::string::npos);
    }
}

// -geometry as X11 reads it, 640x480 at 0,0 for what it does not give (GLUT would leave the
// size of a place alone unset); anything else is a usage error.
TEST(CommandLineTest, GeometryForms) {
    const struct {
        const char* value;
        int width, height, x, y;
        bool fromRight, fromBottom;
    } forms[] = {
        {"320x200", 320, 200, 0, 0, false, false},
        {"+100+100", 640, 480, 100, 100, false, false},
        {"1280x960+40+30", 1280, 960, 40, 30, false, false},
        {"=800X600-10+20", 800, 600, 10, 20, true, false},
        {"+0-0", 640, 480, 0, 0, false, true},
    };
    for (const auto& form : forms) {
        const Parsed p = parse({"-geometry", "1x1-9-9", "-geometry", form.value});
        const WindowGeometry& g = askedGeometry;
        EXPECT_TRUE(p.play && p.left == std::vector<std::string>{"ruko"}) << form.value;
        EXPECT_TRUE(g.width == form.width && g.height == form.height && g.x == form.x &&
                    g.y == form.y && g.fromRight == form.fromRight &&
                    g.fromBottom == form.fromBottom)
            << form.value << ": " << g.width << "x" << g.height << " " << g.x << "," << g.y;
    }
    EXPECT_TRUE(parse({}).play);
    EXPECT_TRUE(askedGeometry.width == 640 && askedGeometry.height == 480 && askedGeometry.x == 0 &&
                askedGeometry.y == 0 && !askedGeometry.fromRight && !askedGeometry.fromBottom);

    for (const char* bad : {"", "=", "320", "320x", "x200", "0x200", "320x200+5", "+5+5x",
                            "320x200 ", "40000x10", "+-5+5", "--help"}) {
        const Parsed p = parse({"-geometry", bad});
        EXPECT_TRUE(!p.play && p.status == 2 && p.out.empty()) << bad;
        EXPECT_NE(p.err.find("bad -geometry (WxH, +X+Y or WxH+X+Y): " + std::string(bad) + "\n"),
                  std::string::npos)
            << p.err;
        EXPECT_NE(p.err.find("Usage: ruko"), std::string::npos);
    }
}

} // namespace
