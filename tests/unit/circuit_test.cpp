// The circuit: its climbs, its file read back as written and as a player edits it, a damaged one
// set aside, one that cannot be written leaving the progress in memory, two games at once.
#include "challenge/challenge_records.h"
#include "challenge/circuit_file.h"
#include "challenge/circuit_kept.h"
#include "tests/support/files_on_disk.h"
#include "tests/support/stderr_capture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr ChallengeWinner won = ChallengeWinner::player, lost = ChallengeWinner::opponent;

ChallengeOutcome outcome(ChallengeWinner winner, int steps) {
    return {winner, ChallengeEnd::decision, 3, steps, 0, 0, 0, 0};
}

// The progress as its file says it: every field compared, and shown when they differ.
std::string shown(const CircuitProgress& progress) {
    return circuitText(progress, "\n");
}

const CircuitProgress sample{2, 2, 1, 30000, 1, 25000, 25000, 3};

} // namespace

// Fights as "1w100": against opponent 1, won (n none, w, l lost, d drawn) in 100 steps.
TEST(CircuitTest, ClimbsOpenTheNextOpponentAndWinTitles) {
    const struct {
        const char* what;
        const char* fights;
        CircuitProgress expected; // beaten wins losses climb titles best last lastFights
        int titlesWon;
    } climbs[] = {
        {"a loss, then the first beaten", "1l100 1w200", {1, 1, 1, 300, 0, 0, 0, 0}, 0},
        {"the wrong opponent not counted", "2w100 3l50 1w10 1w5", {1, 1, 0, 10, 0, 0, 0, 0}, 0},
        {"a draw is no win, no winner nothing", "1d100 1n80", {0, 0, 1, 100, 0, 0, 0, 0}, 0},
        {"the title", "1w100 2w200 3l300 3w400", {3, 3, 1, 1000, 1, 1000, 1000, 4}, 1},
        {"a new climb after it", "1w100 2w200 3w300 1l50", {0, 0, 1, 50, 1, 600, 600, 3}, 1},
        {"slower: the best kept", "1w10 2w10 3w10 1w50 2w1 3w1", {3, 3, 0, 52, 2, 30, 52, 3}, 2},
        {"a faster one is the best", "1w900 2w1 3w1 1w5 2w5 3w5", {3, 3, 0, 15, 2, 15, 15, 3}, 2},
    };
    for (const auto& climb : climbs) {
        CircuitProgress progress{};
        int titles = 0, opponent = 0, steps = 0;
        char how = 0;
        for (std::istringstream in(climb.fights); in >> opponent >> how >> steps;) {
            const auto winner = static_cast<ChallengeWinner>(std::string("nwld").find(how));
            titles += addCircuitOutcome(progress, opponent, outcome(winner, steps));
        }
        EXPECT_EQ(shown(progress), shown(climb.expected)) << climb.what;
        EXPECT_EQ(titles, climb.titlesWon) << climb.what;
    }
}

// Written, and as a player's editor makes it: CR LF, a byte-order mark, the lines in another
// order, spaces, comments, no last line end.
TEST(CircuitTest, TheTextReadsBackAsWrittenAndAsEdited) {
    for (const CircuitProgress& progress :
         {CircuitProgress{}, sample,
          CircuitProgress{3, 999999, 999999, mostCircuitSteps, 999999, 1, mostCircuitSteps, 0}}) {
        const std::string text = shown(progress);
        const std::size_t beaten = text.find("\nbeaten") + 1, next = text.find('\n', beaten) + 1;
        const std::string edited = "\xef\xbb\xbf\n# mine\n" + text.substr(0, beaten) +
                                   text.substr(next) + "  " +
                                   text.substr(beaten, next - beaten - 1) + " \t";
        for (const std::string& version : {circuitText(progress, "\r\n"), edited}) {
            CircuitProgress read{};
            std::string problem;
            EXPECT_TRUE(readCircuitText(version, read, problem)) << problem << "\n" << version;
            EXPECT_EQ(shown(read), shown(progress)) << version;
        }
    }
}

TEST(CircuitTest, DamagedTextsAreRefusedSayingWhatAndWhere) {
    const std::string good = shown(sample);
    // The key's line replaced.
    auto with = [&](const std::string& key, const std::string& by) {
        std::string text = good;
        const std::size_t at = text.find("\n" + key + " ") + 1;
        return text.replace(at, text.find('\n', at) - at, by);
    };
    const struct {
        std::string text;
        const char* problem;
    } damaged[] = {
        {"ruko-circuit 2" + good.substr(good.find('\n')), "line 1 is not \"ruko-circuit 1\""},
        {good + "wins 4\n", "line 13: wins again (first on line 6)"},
        {with("titles", "# none"), "no line for titles"},
        {with("beaten", "beaten 4"), "line 5: beaten \"4\" is not a number from 0 to 3"},
        {with("losses", "losses -1"), "line 7: losses \"-1\" is not a number from 0 to 999999"},
        {with("climb_steps", "climb_steps 21600001"),
         "line 8: climb_steps \"21600001\" is not a number from 0 to 21600000"},
        {with("best_title_steps", "best_title_steps 0"),
         "line 10: best_title_steps \"0\" is not none or a number from 1 to 21600000"},
        {with("titles", "titles 0"), "line 10: best_title_steps with no title"},
        {with("wins", "win 2"), "line 6: no key is called \"win\""},
        {with("wins", "wins 2 3"), "line 6 is not KEY NUMBER"},
        {good + "#" + std::string(largestCircuitFile, 'x'), "larger than 16 KiB"},
    };
    for (const auto& [text, problem] : damaged) {
        CircuitProgress progress = sample;
        std::string said;
        EXPECT_FALSE(readCircuitText(text, progress, said)) << text;
        EXPECT_EQ(said, problem) << text;
        EXPECT_EQ(shown(progress), shown(sample)) << "left as it was";
    }
}

namespace {

std::vector<CircuitProgress> heard;

class CircuitFileTest : public testing::Test {
  protected:
    void SetUp() override {
        heard.clear();
        setCircuitListener([](const CircuitProgress& progress) { heard.push_back(progress); });
        forgetChallengeRecords();
        forgetCircuitProgress();
        ASSERT_NE(mkdtemp(root.data()), nullptr);
        setenv("XDG_STATE_HOME", root.c_str(), 1);
        folder = fs::path(root) / "ruko";
        path = folder / "circuit.txt";
    }
    void TearDown() override {
        chmod(folder.c_str(), 0755);
        fs::remove_all(root);
    }

    std::string root = "/tmp/ruko_circuit_XXXXXX";
    fs::path folder, path;
};

void loseTwice() {
    readCircuitProgress();
    for (int fight = 0; fight < 2; ++fight)
        saveCircuitOutcome(1, outcome(lost, 10));
    readCircuitProgress();
    std::fprintf(stderr, "losses %d\n", circuitProgress.losses);
}

} // namespace

// Saved to the file as read again (another game's fight kept), read back, told the listener; a
// damaged file named in one line and set aside whole, the progress afresh.
TEST_F(CircuitFileTest, SavedReadAgainAndSetAsideWhenDamaged) {
    readCircuitProgress();
    EXPECT_FALSE(fs::exists(path)) << "reading alone writes nothing";
    EXPECT_FALSE(saveCircuitOutcome(1, outcome(won, 500)));
    writeText(path, shown({1, 1, 4, 900, 0, 0, 0, 0})); // another game's losses meanwhile
    EXPECT_FALSE(saveCircuitOutcome(2, outcome(lost, 100)));
    forgetCircuitProgress();
    readCircuitProgress();
    EXPECT_EQ(shown(circuitProgress), shown({1, 1, 5, 1000, 0, 0, 0, 0}));
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(shown(heard[1]), shown(circuitProgress));
    EXPECT_EQ(readText(path), shown(circuitProgress));

    const std::string damaged = shown(sample) + "beaten 1\n";
    writeText(path, damaged);
    EXPECT_EQ(stderrOf(readCircuitProgress),
              "ruko: " + path.string() + " is damaged (line 13: beaten again (first on line 5)): " +
                  "set aside as " + (folder / "circuit.damaged.txt").string() +
                  "; the circuit's progress starts afresh\n");
    EXPECT_EQ(shown(circuitProgress), shown({}));
    EXPECT_EQ(readText(folder / "circuit.damaged.txt"), damaged);
    EXPECT_EQ(namesIn(folder), (std::set<std::string>{"circuit.damaged.txt", "circuit.lock"}));
}

// A folder and a file the player may not write: said once, the fights kept in memory (not
// replaced by the file's older text), the file as it was. Run as the player when tests run as
// root, whom no mode stops.
TEST_F(CircuitFileTest, AReadOnlyFolderKeepsTheProgressInMemory) {
    writeText(path, shown({}));
    chmod(path.c_str(), 0444);
    chmod(folder.c_str(), 0555);
    chmod(root.c_str(), 0755);
    const fs::path saidFile = fs::path(root) / "said";
    writeText(saidFile, "");
    chmod(saidFile.c_str(), 0666);
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(1);
        _exit(std::freopen(saidFile.c_str(), "w", stderr) ? (loseTwice(), std::fflush(stderr)) : 1);
    }
    int status = 0;
    EXPECT_TRUE(waitpid(child, &status, 0) == child && status == 0);
    EXPECT_EQ(readText(saidFile),
              "ruko: cannot write " + path.string() +
                  ": Permission denied; the circuit's progress is kept until the game "
                  "ends\nlosses 2\n");
    EXPECT_EQ(readText(path), shown({}));
    EXPECT_EQ(namesIn(folder), std::set<std::string>{"circuit.txt"});
}

// While a recording or the demo drives: the file neither read nor written.
TEST_F(CircuitFileTest, NotKeptTheFileIsNeitherReadNorWritten) {
    writeText(path, shown(sample));
    keepRecords(false);
    readCircuitProgress();
    EXPECT_TRUE(heard.empty());
    EXPECT_FALSE(saveCircuitOutcome(1, outcome(won, 10)));
    EXPECT_EQ(circuitProgress.beaten, 1) << "the progress in effect moves";
    EXPECT_EQ(readText(path), shown(sample));
    EXPECT_EQ(namesIn(folder), std::set<std::string>{"circuit.txt"});
}

TEST_F(CircuitFileTest, TwoGamesSavingAtOnceLoseNothing) {
    pid_t games[2];
    for (pid_t& game : games)
        if ((game = fork()) == 0) {
            for (int fight = 0; fight < 100; ++fight)
                saveCircuitOutcome(1, outcome(lost, 1));
            _exit(0);
        }
    int status = 0;
    for (const pid_t game : games)
        EXPECT_TRUE(waitpid(game, &status, 0) == game && status == 0);
    readCircuitProgress();
    EXPECT_EQ(circuitProgress.losses, 200);
    EXPECT_EQ(circuitProgress.climbSteps, 200);
}
