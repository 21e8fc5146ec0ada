#include "platform/platform.h"
#include "replay/recorder.h"
#include "tests/support/stderr_capture.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

// Run with tests/support/no_locks.cpp preloaded: the file system refuses every lock, as a
// network home without its lock service does.

namespace {

std::string readFile(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

TEST(RecordingFile, WhereLocksAreRefusedTheGameRecordsAndSaysSoOnce) {
    const std::string stem = testing::TempDir() + "ruko_unlocked_" + std::to_string(getpid());
    const std::string first = stem + ".replay";
    const std::string second = stem + "-again.replay";
    {
        std::ofstream(first) << "an older session\n";
        std::FILE* probe = std::fopen(first.c_str(), "r");
        ASSERT_NE(probe, nullptr);
        ASSERT_NE(flock(fileno(probe), LOCK_EX | LOCK_NB), 0);
        ASSERT_EQ(errno, ENOLCK) << "the no_locks shim is not preloaded";
        std::fclose(probe);
    }
    const std::string said = stderrOf([&] { startRecording(first); });
    EXPECT_EQ(said, "ruko: recording " + first +
                        " unlocked (No locks available): a second game started meanwhile would "
                        "record into it too\n");
    recordInput({InputKind::key, 'x'});
    EXPECT_EQ(readFile(first),
              replayHeader() + "\n0 keys w x up down left right i k l m t\n0 key x\n");

    // Said once a game; and a file no lock guards is never taken for another game's.
    EXPECT_EQ(stderrOf([&] { startRecording(second); }), "");
    EXPECT_EQ(readFile(second).rfind(replayHeader() + "\n", 0), 0u);
    bool taken = true;
    std::FILE* again = openOwnFile(second, taken);
    EXPECT_NE(again, nullptr);
    EXPECT_FALSE(taken);
    if (again)
        std::fclose(again);
    std::remove(first.c_str());
    std::remove(second.c_str());
}
