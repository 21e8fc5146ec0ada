// Saving the settings file as the player keeps it, on a real disk: through symbolic links, its
// mode and owner kept, in place in a folder of another's, never half written, and no file left
// behind by saves killed midway or made by two games at once.
#include "input/settings.h"
#include "input/settings_writer.h"
#include "tests/support/files_on_disk.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Who the player is when the tests run as root: root may write anywhere.
constexpr uid_t playerId = 65534;
constexpr uid_t anotherId = 4321;

class SettingsFileTest : public testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/ruko_settings_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        root = name;
        chmod(name, 0755);
        folder = root / "config" / "ruko";
        fs::create_directories(folder);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    }
    void TearDown() override {
        chmod(folder.c_str(), 0755);
        fs::remove_all(root);
    }

    fs::path root;
    fs::path folder;
    fs::path conf() const { return folder / "ruko.conf"; }
};

Settings withVolume(int volume) {
    Settings settings = defaultSettings();
    settings.volume = volume;
    return settings;
}

// saveSettings in a child process, as the player when the tests run as root, its files no
// larger than `largest` bytes: what it answers, "" when it saved.
std::string saveAsPlayer(const Settings& chosen, rlim_t largest = RLIM_INFINITY) {
    int answer[2];
    if (pipe(answer) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(answer[0]);
        if (geteuid() == 0 && (setgid(playerId) != 0 || setuid(playerId) != 0))
            _exit(1);
        const rlimit limit{largest, largest};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        std::string problem;
        if (saveSettings(chosen, problem))
            problem.clear();
        else if (problem.empty())
            problem = "false with no problem";
        _exit(::write(answer[1], problem.data(), problem.size()) < 0);
    }
    close(answer[1]);
    std::string problem;
    char block[256];
    for (ssize_t count; (count = ::read(answer[0], block, sizeof block)) > 0;)
        problem.append(block, static_cast<std::size_t>(count));
    close(answer[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? problem : "the child failed";
}

// Dotfiles kept in a repository: the link, and the link it names, stay; the file at the end is
// saved, its comment after the value, its mode and (as root) its owner kept; nothing else is
// left in either folder.
TEST_F(SettingsFileTest, SavedThroughLinksKeepingModeAndOwner) {
    const fs::path dotfiles = root / "dotfiles";
    fs::create_directories(dotfiles);
    writeText(dotfiles / "ruko.conf", "[sound]\nvolume = 50 # quiet at night\n");
    chmod((dotfiles / "ruko.conf").c_str(), 0600);
    const bool asRoot = geteuid() == 0;
    if (asRoot) {
        ASSERT_EQ(chown((dotfiles / "ruko.conf").c_str(), anotherId, anotherId), 0);
    }
    fs::create_symlink("ruko.conf", dotfiles / "current");
    fs::create_symlink("../../dotfiles/current", conf());

    std::string problem;
    ASSERT_TRUE(saveSettings(withVolume(40), problem)) << problem;
    EXPECT_TRUE(fs::is_symlink(conf()));
    EXPECT_TRUE(fs::is_symlink(dotfiles / "current"));
    EXPECT_EQ(readText(dotfiles / "ruko.conf"), "[sound]\nvolume = 40 # quiet at night\n");
    struct stat saved {};
    ASSERT_EQ(stat((dotfiles / "ruko.conf").c_str(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 07777, 0600u);
    if (asRoot) {
        EXPECT_EQ(saved.st_uid, anotherId);
    }
    EXPECT_EQ(namesIn(dotfiles), (std::set<std::string>{"current", "ruko.conf"}));
    EXPECT_EQ(namesIn(folder), (std::set<std::string>{"ruko.conf"}));

    fs::remove(dotfiles / "ruko.conf");
    fs::create_symlink("current", dotfiles / "ruko.conf");
    EXPECT_FALSE(saveSettings(withVolume(30), problem));
    EXPECT_EQ(problem, "cannot read " + conf().string() + ": Too many levels of symbolic links");
}

// A folder of another's that refuses a new file, the file in it the player's: saved in place;
// a file that cannot go in whole (no room for it) is put back as it was and the failure told;
// a file the player may not write is told, and left.
TEST_F(SettingsFileTest, SavedInPlaceWhereTheFolderRefusesNewFiles) {
    const std::string old = "[sound]\nvolume = 50\n";
    writeText(conf(), old);
    ASSERT_EQ(chown(conf().c_str(), playerId, playerId), geteuid() == 0 ? 0 : -1);
    chmod(folder.c_str(), 0555);

    Settings chosen = withVolume(40);
    EXPECT_EQ(saveAsPlayer(chosen), "");
    EXPECT_EQ(readText(conf()), "[sound]\nvolume = 40\n");

    chosen.language = Language::en;
    const std::string path = conf().string();
    EXPECT_EQ(saveAsPlayer(chosen, old.size() + 4), "cannot write " + path + ": File too large");
    EXPECT_EQ(readText(conf()), "[sound]\nvolume = 40\n");
    EXPECT_EQ(saveAsPlayer(chosen), "");
    EXPECT_EQ(readText(conf()), "[sound]\nvolume = 40\n\n[display]\nlanguage = en\n");

    chmod(conf().c_str(), 0444);
    EXPECT_EQ(saveAsPlayer(withVolume(1)), "cannot write " + path + ": Permission denied");
    EXPECT_EQ(saveAsPlayer(chosen), "");
    EXPECT_EQ(namesIn(folder), (std::set<std::string>{"ruko.conf"}));
}

// Four games saving at once, each many times: the file always reads whole as one of them, keeps
// its mode, and the new files they write are all gone; one left by a save killed midway, of a
// process that is no more, is removed, one of a process alive is left to it.
TEST_F(SettingsFileTest, GamesSavingAtOnceLeaveNothingBehind) {
    writeText(conf(), "# mine\n[sound]\nvolume = 1\n");
    chmod(conf().c_str(), 0640);
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string stale = "ruko.conf." + std::to_string(gone) + ".new";
    writeText(folder / stale, "half");
    writeText(folder / "ruko.conf.1.new", "another's");

    pid_t games[4];
    for (int g = 0; g < 4; ++g) {
        games[g] = fork();
        if (games[g] == 0) {
            std::string problem;
            for (int save = 0; save < 40; ++save)
                if (!saveSettings(withVolume(10 * g + save % 2), problem))
                    _exit(1);
            _exit(0);
        }
    }
    for (const pid_t game : games) {
        int status = 0;
        waitpid(game, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::vector<SettingsProblem> problems;
    const std::string text = readText(conf());
    const int volume = parseSettings(text, problems).volume;
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(text, "# mine\n[sound]\nvolume = " + std::to_string(volume) + "\n");
    EXPECT_LT(volume % 10, 2);
    struct stat saved {};
    ASSERT_EQ(stat(conf().c_str(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 07777, 0640u);
    EXPECT_EQ(namesIn(folder), (std::set<std::string>{"ruko.conf", "ruko.conf.1.new"}));
}

} // namespace
