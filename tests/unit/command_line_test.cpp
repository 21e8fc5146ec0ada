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

TEST(CommandLineTest, GlutOptionsPassThroughAndMuteIsTakenOut) {
    unsetenv("RUKO_MUTE");
    Parsed p = parse({"-display", ":7", "--mute", "-sync", "-geometry", "320x200+0+0"});
    EXPECT_TRUE(p.play);
    EXPECT_TRUE(muteRequested);
    EXPECT_EQ(p.left, (std::vector<std::string>{"ruko", "-display", ":7", "-sync", "-geometry",
                                                "320x200+0+0"}));
    EXPECT_EQ(p.out + p.err, "");

    p = parse({"-iconic"});
    EXPECT_TRUE(p.play);
    EXPECT_FALSE(muteRequested);
    setenv("RUKO_MUTE", "1", 1);
    EXPECT_TRUE(parse({}).play);
    EXPECT_TRUE(muteRequested);
    setenv("RUKO_MUTE", "0", 1);
    parse({});
    EXPECT_FALSE(muteRequested);
    unsetenv("RUKO_MUTE");
}

TEST(CommandLineTest, HelpAndVersionAnswerOnStdoutAndStop) {
    Parsed p = parse({"-sync", "--help", "--bogus"});
    EXPECT_FALSE(p.play);
    EXPECT_EQ(p.status, 0);
    EXPECT_NE(p.out.find("Usage: ruko"), std::string::npos);
    EXPECT_NE(p.out.find("--mute"), std::string::npos);
    EXPECT_EQ(p.err, "");

    p = parse({"--version"});
    EXPECT_FALSE(p.play);
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.out, "ruko " RUKO_VERSION "\n");
}

TEST(CommandLineTest, UnknownOptionsAndMissingValuesAreUsageErrors) {
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"--mutee"}, {"fight"}, {"-h"}, {"-sync", "-display"}}) {
        const Parsed p = parse(words);
        EXPECT_FALSE(p.play) << words.back();
        EXPECT_EQ(p.status, 2) << words.back();
        EXPECT_EQ(p.out, "") << words.back();
        EXPECT_NE(p.err.find(words.back()), std::string::npos);
        EXPECT_NE(p.err.find("Usage: ruko"), std::string::npos);
    }
}

} // namespace
