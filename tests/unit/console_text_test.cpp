#include "platform/platform.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

// The code set of the game's lines on standard output is chosen before main, from the
// environment: each case runs this program again under its own, printing one line.

namespace {

constexpr char printFlag[] = "--print-a-line";
constexpr char line[] = "Entra\xeener"; // the "î" of the game's texts, as ISO 8859-1 holds it
constexpr char utf8Line[] = "Entra\xc3\xaener\n";
constexpr char latin1Line[] = "Entra\xeener\n";

// The line the program prints under exactly these variables.
std::string printedUnder(const std::vector<std::string>& variables) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "no pipe";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> environment;
    for (const std::string& variable : variables)
        environment.push_back(const_cast<char*>(variable.c_str()));
    environment.push_back(nullptr);
    char program[] = "/proc/self/exe";
    char flag[sizeof printFlag];
    std::memcpy(flag, printFlag, sizeof printFlag);
    char* arguments[] = {program, flag, nullptr};
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program, &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string text;
    char block[256];
    for (ssize_t got; (got = read(pipeEnds[0], block, sizeof block)) > 0;)
        text.append(block, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || status != 0)
        return "the program failed";
    return text;
}

} // namespace

TEST(ConsoleText, UtfEightWhereTheLocaleSaysSoEvenWhenItIsNotInstalled) {
    struct Case {
        std::vector<std::string> variables;
        const char* printed;
    };
    const Case cases[] = {
        {{"LANG=xx_YY.UTF-8"}, utf8Line},               // a locale this system has not got
        {{"LC_CTYPE=UTF-8"}, utf8Line},                 // as some remote shells send it
        {{"LANG=xx_YY.utf8@euro"}, utf8Line},           // glibc's own spelling
        {{"LANG=C.UTF-8"}, utf8Line},                   // installed: its code set is read
        {{"LANG=xx_YY.ISO-8859-1"}, latin1Line},        //
        {{"LC_CTYPE=xx_YY"}, latin1Line},               // no code set named
        {{}, latin1Line},                               // no locale: the C one
        {{"LC_ALL=C", "LANG=xx_YY.UTF-8"}, latin1Line}, // set, and not UTF-8
        // The first variable set in POSIX's order speaks; an empty one is not set.
        {{"LC_ALL=xx_YY.ISO-8859-15", "LC_CTYPE=xx_YY.UTF-8"}, latin1Line},
        {{"LC_ALL=", "LC_CTYPE=", "LANG=xx_YY.UTF-8"}, utf8Line},
        {{"LC_CTYPE=xx_YY.UTF-8", "LANG=xx_YY.ISO-8859-1"}, utf8Line},
        {{"LC_CTYPE=xx_YY.ISO-8859-1", "LANG=xx_YY.UTF-8"}, latin1Line},
    };
    for (const Case& each : cases) {
        std::string said;
        for (const std::string& variable : each.variables)
            said += variable + " ";
        EXPECT_EQ(printedUnder(each.variables), each.printed) << "under " << said;
    }
}

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], printFlag) == 0) {
        printTextLine(line);
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
