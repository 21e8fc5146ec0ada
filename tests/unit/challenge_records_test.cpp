// The challenge's records on a real disk: read back as written (and as a player edits them), a
// damaged file of every kind named in one line, set aside whole under a name of its own and
// never overwritten, the records then fresh; a save that cannot finish leaves the old file.
#include "challenge/challenge_records.h"
#include "platform/platform.h"
#include "tests/support/files_on_disk.h"
#include "tests/support/stderr_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The state folder's files after a save: the records and their lock.
const std::set<std::string> kept{"challenge-records.txt", "challenge-records.lock"};

class ChallengeRecordsTest : public testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/ruko_records_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        root = name;
        setenv("XDG_STATE_HOME", root.c_str(), 1);
        folder = root / "ruko";
        path = folder / "challenge-records.txt";
        challengeOn = 1;
        keepRecords(true);
        forgetChallengeRecords();
    }
    void TearDown() override {
        challengeOn = 0;
        chmod(folder.c_str(), 0755);
        fs::remove_all(root);
        forgetChallengeRecords();
    }

    fs::path root;
    fs::path folder;
    fs::path path;
};

ChallengeOutcome outcome(ChallengeWinner winner, ChallengeEnd how, int steps) {
    return {winner, how, 1, steps, 0, 0, 0, 0};
}

bool operator==(const ChallengeRecord& a, const ChallengeRecord& b) {
    return a.wins == b.wins && a.losses == b.losses && a.draws == b.draws &&
           a.fastestKnockOut == b.fastestKnockOut;
}

bool allZero() {
    for (int o = 1; o <= recordOpponents; ++o)
        for (int d = 1; d <= recordDecors; ++d)
            if (!(challengeRecord(o, d) == ChallengeRecord{}))
                return false;
    return true;
}

ChallengeRecords randomRecords(std::mt19937& random) {
    ChallengeRecords records{};
    for (auto& opponent : records.of)
        for (ChallengeRecord& record : opponent) {
            record = {static_cast<int>(random() % 3 == 0 ? mostRecordCount : random() % 50),
                      static_cast<int>(random() % 50), static_cast<int>(random() % 5), 0};
            if (record.wins > 0 && random() % 2)
                record.fastestKnockOut = 1 + static_cast<int>(random() % mostKnockOutSteps);
        }
    return records;
}

} // namespace

// What the game writes reads back the same; so does what a player's editor makes of it (CR LF,
// a byte-order mark, the lines in another order, more spaces, comments and blank lines).
TEST_F(ChallengeRecordsTest, TheFileReadsBackAsWrittenAndAsEdited) {
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        const ChallengeRecords records = randomRecords(random);
        std::string text = challengeRecordsText(records, round % 2 ? "\r\n" : "\n");
        std::istringstream lines(text);
        std::vector<std::string> all;
        for (std::string line; std::getline(lines, line);)
            all.push_back(line);
        std::shuffle(all.begin() + 3, all.end(), random);
        std::string edited = round % 3 == 0 ? "\xef\xbb\xbf\n# mine\n" : "";
        for (const std::string& line : all)
            edited += (round % 4 == 0 ? "  " : "") + line + (round % 5 == 0 ? " \t" : "") + "\n\n";
        // Some editors save the last line without its line end.
        if (round % 6 == 0)
            edited.erase(edited.find_last_not_of("\n") + 1);
        for (const std::string& version : {text, edited}) {
            ChallengeRecords read{};
            std::string problem;
            ASSERT_TRUE(readChallengeRecords(version, read, problem)) << problem << "\n" << version;
            for (int o = 0; o < recordOpponents; ++o)
                for (int d = 0; d < recordDecors; ++d)
                    EXPECT_TRUE(read.of[o][d] == records.of[o][d]) << version;
        }
    }
}

// The fights counted as they end, saved at once, and read by the next game; a knock-out won is
// the fastest only when faster, a decision never is; over both decors the counts add and the
// faster knock-out shows; a forfeit is a loss. No winner, the challenge off or the records not
// kept: nothing.
TEST_F(ChallengeRecordsTest, FightsAreCountedSavedAndReadAgain) {
    EXPECT_TRUE(allZero());
    EXPECT_FALSE(fs::exists(path)) << "reading alone writes nothing";
    const std::string quiet = stderrOf([] {
        recordChallengeOutcome(3, 2,
                               outcome(ChallengeWinner::player, ChallengeEnd::knockOut, 5000));
        recordChallengeOutcome(3, 2, outcome(ChallengeWinner::player, ChallengeEnd::decision, 900));
        recordChallengeOutcome(3, 2,
                               outcome(ChallengeWinner::player, ChallengeEnd::knockOut, 7000));
        recordChallengeOutcome(3, 1,
                               outcome(ChallengeWinner::player, ChallengeEnd::knockOut, 4000));
        recordChallengeOutcome(3, 1,
                               outcome(ChallengeWinner::opponent, ChallengeEnd::knockOut, 80));
        recordChallengeOutcome(3, 1, outcome(ChallengeWinner::opponent, ChallengeEnd::forfeit, 9));
        recordChallengeOutcome(1, 1, outcome(ChallengeWinner::draw, ChallengeEnd::decision, 16800));
        recordChallengeOutcome(1, 1, outcome(ChallengeWinner::none, ChallengeEnd::none, 10));
        recordChallengeOutcome(4, 1, outcome(ChallengeWinner::player, ChallengeEnd::knockOut, 10));
        recordChallengeOutcome(1, 3, outcome(ChallengeWinner::player, ChallengeEnd::knockOut, 10));
        keepRecords(false);
        recordChallengeOutcome(2, 1, outcome(ChallengeWinner::player, ChallengeEnd::knockOut, 10));
        // Kept again at step 100: a fight of 10 ending at 109 began under a recording.
        keepRecords(true, 100);
        EXPECT_FALSE(challengeFightCounts(10, 109));
        EXPECT_TRUE(challengeFightCounts(10, 110));
        forgetChallengeRecords();
        challengeOn = 0;
        recordChallengeOutcome(2, 1, outcome(ChallengeWinner::player, ChallengeEnd::knockOut, 10));
        challengeOn = 1;
    });
    EXPECT_EQ(quiet, "");
    const ChallengeRecord expected[] = {{3, 0, 0, 5000}, {1, 2, 0, 4000}, {0, 0, 1, 0}};
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_TRUE((challengeRecord(3, 2) == expected[0]));
        EXPECT_TRUE((challengeRecord(3, 1) == expected[1]));
        EXPECT_TRUE((challengeRecord(3, 0) == ChallengeRecord{4, 2, 0, 4000}));
        EXPECT_TRUE((challengeRecord(1, 0) == expected[2]));
        EXPECT_TRUE((challengeRecord(2, 0) == ChallengeRecord{}));
        forgetChallengeRecords(); // the next game
    }
    EXPECT_EQ(namesIn(folder), kept);
    EXPECT_NE(readText(path).find("dida_vud tavelin_cup wins 3 losses 0 draws 0 "
                                  "fastest_ko_steps 5000\n"),
              std::string::npos)
        << readText(path);

    // A player's edit meanwhile, or another game's fight, is kept by the next save.
    std::string edited = readText(path);
    const std::string line = "radov_eze friendly wins 0 losses 0 draws 1";
    edited.replace(edited.find(line), line.size(), "radov_eze friendly wins 7 losses 0 draws 1");
    writeText(path, edited);
    recordChallengeOutcome(1, 1, outcome(ChallengeWinner::opponent, ChallengeEnd::decision, 100));
    EXPECT_TRUE((challengeRecord(1, 1) == ChallengeRecord{7, 1, 1, 0}));
}

// Every kind of damage, seeded: the file named in one line on stderr and renamed whole to a
// name saying so, the first free one (earlier ones kept as they are); the records fresh, and the
// next fight's save writes a sound file beside them.
TEST_F(ChallengeRecordsTest, DamagedFilesAreSetAsideWholeAndTheRecordsStartAfresh) {
    const unsigned seed = std::getenv("RUKO_SEED") ? std::atoi(std::getenv("RUKO_SEED")) : 1;
    std::mt19937 random(seed);
    std::vector<std::pair<std::string, std::string>> asides; // name, text
    constexpr int kinds = 13;
    for (int round = 0; round < 3 * kinds; ++round) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", round " + std::to_string(round));
        const ChallengeRecords records = randomRecords(random);
        std::string text = challengeRecordsText(records, "\n");
        const std::size_t firstPair = text.find("radov_eze ");
        const std::size_t pairLine = text.find("\n", firstPair + (random() % 200)) + 1;
        const std::size_t pairEnd = text.find('\n', pairLine) + 1;
        auto replaceNumber = [&](const std::string& by) {
            const std::size_t digit = text.find_first_of("0123456789", firstPair);
            text.replace(digit, text.find(' ', digit) - digit, by);
        };
        bool folderThere = false, fifo = false;
        const int kind = round % kinds;
        switch (kind) {
        case 0: // the format line
            text.replace(0, text.find('\n'),
                         std::vector<std::string>{"ruko-records 2", "ruko-record 1", "records",
                                                  "ruko-records 1 more"}[random() % 4]);
            break;
        case 1: // garbage, a byte that is no text
            text.insert(random() % text.size(), 1, static_cast<char>(0x80 + random() % 128));
            break;
        case 2: { // cut short anywhere before the last line, whose end no reader can tell
            const std::size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
            text.resize(1 + random() % (lastLine - 1));
            break;
        }
        case 3:
            replaceNumber(std::to_string(mostRecordCount + 1 + random() % 8000000));
            break;
        case 4:
            replaceNumber("-" + std::to_string(random() % 100));
            break;
        case 5: // a pair twice
            text += text.substr(pairLine, pairEnd - pairLine);
            break;
        case 6: { // UTF-16, with a mark or without
            std::string wide = random() % 2 ? "\xff\xfe" : "";
            for (const char c : text)
                wide += std::string(1, c) + '\0';
            text = wide;
            break;
        }
        case 7: // too large, with comments alone
            text += "#" + std::string(largestRecordsFile, 'x') + "\n";
            break;
        case 8:
            folderThere = random() % 2;
            fifo = !folderThere;
            break;
        case 9: // a name or a word not of the file's
            text.replace(text.find("wins", firstPair), 4, random() % 2 ? "win" : "WINS");
            break;
        case 10: // a pair missing
            text.erase(pairLine, pairEnd - pairLine);
            break;
        case 11: // a name not of the file's, at times as long as a line may be
            text.replace(firstPair, 9,
                         random() % 2 ? "radov_ez" : std::string(largestRecordsFile / 2, 'd'));
            break;
        case 12: // a knock-out with no win
            text.replace(firstPair, text.find('\n', firstPair) - firstPair,
                         "radov_eze friendly wins 0 losses 2 draws 0 fastest_ko_steps 99");
            break;
        }
        fs::create_directories(folder);
        if (folderThere)
            fs::create_directories(path / "inside");
        else if (fifo)
            ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
        else
            writeText(path, text);
        const std::set<std::string> before = namesIn(folder);

        forgetChallengeRecords();
        const std::string said = stderrOf([] { challengeRecord(1, 0); });
        EXPECT_TRUE(allZero());
        const std::string aside = "challenge-records.damaged" +
                                  (asides.empty() ? "" : "-" + std::to_string(asides.size() + 1)) +
                                  ".txt";
        EXPECT_EQ(said.substr(0, 6 + path.string().size() + 13),
                  "ruko: " + path.string() + " is damaged (")
            << said;
        EXPECT_NE(said.find("): set aside as " + (folder / aside).string() +
                            "; the challenge's records start afresh\n"),
                  std::string::npos)
            << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_LT(said.size(), 400u) << said;
        EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
        std::set<std::string> expected = before;
        expected.erase("challenge-records.txt");
        expected.insert(aside);
        expected.insert("challenge-records.lock");
        EXPECT_EQ(namesIn(folder), expected);
        EXPECT_EQ(fs::is_directory(folder / aside), folderThere);
        EXPECT_EQ(fs::is_fifo(folder / aside), fifo);
        asides.push_back({aside, folderThere || fifo ? "" : text});

        const std::string saving = stderrOf([] {
            recordChallengeOutcome(2, 2,
                                   outcome(ChallengeWinner::player, ChallengeEnd::knockOut, 600));
        });
        EXPECT_EQ(saving, "");
        EXPECT_TRUE((challengeRecord(2, 2) == ChallengeRecord{1, 0, 0, 600}));
        for (const auto& [name, was] : asides)
            if (!was.empty()) {
                EXPECT_EQ(readText(folder / name), was) << name << " kept as it was";
            }
        fs::remove(path);
    }
}

// What `run` says on stderr in a child process: as the player when the tests run as root (root
// reads any file), its files no larger than `largest` bytes.
constexpr uid_t playerId = 65534;

std::string saidInChild(void (*run)(), rlim_t largest = RLIM_INFINITY) {
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
        const std::string said = stderrOf(run);
        _exit(::write(answer[1], said.data(), said.size()) < 0);
    }
    close(answer[1]);
    std::string said;
    char block[256];
    for (ssize_t count; (count = ::read(answer[0], block, sizeof block)) > 0;)
        said.append(block, static_cast<std::size_t>(count));
    close(answer[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? said : "the child failed";
}

void winTwice() {
    for (int fight = 0; fight < 2; ++fight)
        recordChallengeOutcome(1, 2, outcome(ChallengeWinner::player, ChallengeEnd::decision, 1));
}

// Where the state folder cannot be made, or the file cannot be read, that is said once, the
// game plays on with its records until it ends, and the file is left as it is.
TEST_F(ChallengeRecordsTest, NoStateFolderAndAnUnreadableFileAreSaidOnce) {
    writeText(root / "not_a_folder", "x");
    setenv("XDG_STATE_HOME", (root / "not_a_folder" / "state").c_str(), 1);
    const std::string said = stderrOf([] {
        challengeRecord(1, 0);
        winTwice();
    });
    EXPECT_EQ(said, "ruko: no state folder for the challenge's records; the challenge's records "
                    "are kept until the game ends\n");
    EXPECT_EQ(challengeRecord(1, 2).wins, 2);

    setenv("XDG_STATE_HOME", root.c_str(), 1);
    forgetChallengeRecords();
    writeText(path, "ruko-records 1\n");
    chmod(root.c_str(), 0755);
    chmod(folder.c_str(), 0777);
    chmod(path.c_str(), 0);
    EXPECT_EQ(saidInChild(winTwice), "ruko: cannot read " + path.string() +
                                         ": Permission denied; the challenge's records are kept "
                                         "until the game ends, the file left as it is\n");
    EXPECT_EQ(readText(path), "ruko-records 1\n");
    EXPECT_EQ(namesIn(folder), kept);
}

// A save that cannot finish (no room for the new file: as a save killed midway) leaves the old
// file whole and nothing beside it, says so, and the next save goes through.
TEST_F(ChallengeRecordsTest, ASaveThatCannotFinishLeavesTheOldFile) {
    recordChallengeOutcome(1, 1, outcome(ChallengeWinner::opponent, ChallengeEnd::knockOut, 50));
    const std::string old = readText(path);
    chmod(root.c_str(), 0755);
    chmod(folder.c_str(), 0777);
    chmod(path.c_str(), 0666);
    const std::string said = saidInChild(
        [] {
            recordChallengeOutcome(1, 1,
                                   outcome(ChallengeWinner::player, ChallengeEnd::knockOut, 50));
        },
        300); // what is said fits, the records file does not
    EXPECT_EQ(said, "ruko: cannot write " + path.string() +
                        ": File too large; the challenge's records are kept until the game ends\n");
    EXPECT_EQ(readText(path), old);
    EXPECT_EQ(namesIn(folder), kept);
    recordChallengeOutcome(1, 1, outcome(ChallengeWinner::player, ChallengeEnd::knockOut, 50));
    EXPECT_TRUE((challengeRecord(1, 1) == ChallengeRecord{1, 1, 0, 50}));
}

// Two games each saving 100 wins at once: every one counts, each save adding to the other's.
TEST_F(ChallengeRecordsTest, TwoGamesSavingAtOnceLoseNothing) {
    pid_t games[2];
    for (pid_t& game : games)
        if ((game = fork()) == 0) {
            for (int fight = 0; fight < 100; ++fight)
                recordChallengeOutcome(2, 1,
                                       outcome(ChallengeWinner::player, ChallengeEnd::decision, 1));
            _exit(0);
        }
    int status = 0;
    for (const pid_t game : games)
        EXPECT_TRUE(waitpid(game, &status, 0) == game && status == 0);
    forgetChallengeRecords();
    EXPECT_EQ(challengeRecord(2, 1).wins, 200);
}
