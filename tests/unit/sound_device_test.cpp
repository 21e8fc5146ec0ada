// The game's sound on a device that opens only when the test says: OpenAL Soft's wave writer
// into a named pipe, whose opening waits for the pipe's reader.
#include "sound/sound.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

class SoundDeviceTest : public testing::Test {
  protected:
    void SetUp() override {
        char folder[] = "/tmp/ruko_sound_XXXXXX";
        ASSERT_TRUE(mkdtemp(folder));
        scratch = folder;
        ASSERT_EQ(mkfifo((scratch + "/mix.wav").c_str(), 0600), 0);
        std::ofstream(scratch + "/alsoft.conf")
            << "[general]\ndrivers=wave\n[wave]\nfile=" << scratch << "/mix.wav\n";
        setenv("ALSOFT_CONF", (scratch + "/alsoft.conf").c_str(), 1);
        unsetenv("ALSOFT_DRIVERS");
        unsetenv("ALSOFT_LOGLEVEL");
    }
    void TearDown() override {
        unlink((scratch + "/mix.wav").c_str());
        unlink((scratch + "/alsoft.conf").c_str());
        rmdir(scratch.c_str());
    }
    std::string scratch;
};

// Waits until the sound thread sits in open(), waiting for the pipe's reader.
void waitForTheDeviceOpening() {
    const std::string own = std::to_string(getpid());
    for (;;) {
        DIR* tasks = opendir("/proc/self/task");
        while (const dirent* task = readdir(tasks)) {
            long call = -1;
            const std::string path = std::string("/proc/self/task/") + task->d_name + "/syscall";
            std::ifstream(path) >> call;
            if (task->d_name != own && call == SYS_openat) {
                closedir(tasks);
                return;
            }
        }
        closedir(tasks);
        usleep(1000);
    }
}

// Whether the device mixes anything but silence within its first three seconds.
bool deviceSounds(int pipe) {
    char bytes[4096];
    for (long total = 0; total < 3 * 44100 * 8;) {
        const ssize_t got = read(pipe, bytes, sizeof bytes);
        if (got <= 0)
            return false;
        for (ssize_t i = total < 68 ? 68 - total : 0; i < got; ++i) // past the header
            if (bytes[i])
                return true;
        total += got;
    }
    return false;
}

TEST_F(SoundDeviceTest, TheCrowdAskedForWhileTheDeviceOpensStartsAndStderrStaysTheGames) {
    EXPECT_EXIT(
        {
            startSound();
            waitForTheDeviceOpening();
            std::fputs("a line of the game's own\n", stderr);
            startCrowdMurmur();
            const int pipe = open((scratch + "/mix.wav").c_str(), O_RDONLY);
            const bool sounds = deviceSounds(pipe);
            std::signal(SIGPIPE, SIG_IGN);
            close(pipe);
            std::exit(sounds ? 0 : 1);
        },
        testing::ExitedWithCode(0), "^a line of the game's own\n$");
}

// Quitting waits a second for the device, then leaves it with the status it was quitting with:
// an alarm ends a process that hangs.
TEST_F(SoundDeviceTest, QuittingDoesNotWaitForADeviceThatNeverOpens) {
    EXPECT_EXIT(
        {
            startSound();
            waitForTheDeviceOpening();
            alarm(10);
            std::exit(3);
        },
        testing::ExitedWithCode(3), "^$");
}

} // namespace
