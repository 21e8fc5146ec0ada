// The challenge on the title and the menus, in a real window: its mark on every one, the
// player's records in the opponent and decor menus and the circuit's entry in the mode menu,
// drawn only with it on, nothing else of any frame changed; the records file left alone with it
// off; and only the player's own fights counted, never a recording's or the demo's.
#include "app/idle_pacing.h"
#include "app/startup.h"
#include "app/window.h"
#include "challenge/challenge_records.h"
#include "input/settings.h"
#include "menus/challenge_marks.h"
#include "menus/decor_menu.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "menus/mode_menu.h"
#include "menus/opponent_menu.h"
#include "menus/title_animation.h"
#include "menus/title_screen.h"
#include "menus/training_menu.h"
#include "replay/sources.h"
#include "tests/support/gl_harness.h"
#include "tests/support/glyph_quads.h"
#include "tests/support/stderr_capture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string ownRecords =
    "ruko-records 1\n"
    "dida_vud friendly wins 2 losses 1 draws 0 fastest_ko_steps 4980\n"
    "dida_vud tavelin_cup wins 1 losses 3 draws 1 fastest_ko_steps 3719\n"
    "radov_eze friendly wins 0 losses 0 draws 0 fastest_ko_steps none\n"
    "radov_eze tavelin_cup wins 0 losses 0 draws 0 fastest_ko_steps none\n"
    "radov_eze_black friendly wins 5 losses 0 draws 0 "
    "fastest_ko_steps none\n"
    "radov_eze_black tavelin_cup wins 0 losses 0 draws 0 "
    "fastest_ko_steps none\n";

class ChallengeMenus : public testing::Test {
  protected:
    static void SetUpTestSuite() { initResources(); }
    void SetUp() override {
        resetGlState();
        char name[] = "/tmp/ruko_challenge_menus_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        root = name;
        setenv("XDG_STATE_HOME", root.c_str(), 1);
        path = root / "ruko" / "challenge-records.txt";
        write(ownRecords);
        forgetChallengeRecords();
        opponentChoice = 3;
        decorChoice = 2;
        titleBlinkOn = 1;
    }
    void TearDown() override {
        startSources(false);
        challengeOn = 0;
        settingsInEffect.language = Language::fr;
        fs::remove_all(root);
        forgetChallengeRecords();
    }
    void write(const std::string& text) const {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    fs::path root;
    fs::path path;
};

struct Menu {
    const char* name;
    void (*enter)();
    void (*display)();
    bool records;
    bool circuitEntry;
};

void enterDecorMenuForDidaVud() {
    enterDecorMenu(3);
}

const Menu menus[] = {
    {"title", enterTitleScreen, titleDisplay, false, false},
    {"mode menu", enterModeMenu, modeMenuDisplay, false, true},
    {"opponent menu", enterOpponentMenu, opponentMenuDisplay, true, false},
    {"decor menu", enterDecorMenuForDidaVud, decorMenuDisplay, true, false},
    {"training menu", enterTrainingMenu, trainingMenuDisplay, false, false},
};

std::vector<std::uint8_t> frameOf(const Menu& menu, bool challenge) {
    challengeOn = challenge;
    menu.display();
    return readFrame();
}

struct Area {
    int left, bottom, right, top; // pixels, from the lower left, the right and top excluded
    bool holds(int x, int y) const { return x >= left && x < right && y >= bottom && y < top; }
};

// The mark's corner, and the records' block under the heading, with their shadows.
constexpr Area markArea{8, 10, 10 + 9 * 14 + 4, 12 + 14 + 3};
constexpr Area recordsArea{8, 480 - 40 - 7 * 14 - 3, 10 + 10 * 12 + 3, 480 - 40 + 12 + 3};
// The circuit's entry, under the fight entry's start, a sixth of the height up.
constexpr Area circuitArea{320 - 3 * 16 - 2, 480 / 6 - 3, 320 - 3 * 16 + 7 * 14 + 4,
                           480 / 6 + 14 + 3};

} // namespace

// With the challenge on, each frame differs from its frame with it off in the mark's corner, and
// in the records' block and the circuit's entry where the menu shows them, and nowhere else; with
// it off again, the frame is the first one to the byte. The texts read as the records file says:
// over both decors in the opponent menu, the decor's own in the decor menu, in either language.
TEST_F(ChallengeMenus, MarkAndRecordsAreDrawnOnlyWithTheChallengeOn) {
    for (const Menu& menu : menus) {
        menu.enter();
        const std::vector<std::uint8_t> off = frameOf(menu, false);
        const std::vector<std::uint8_t> on = frameOf(menu, true);
        saveFrame(std::string("challenge_") + menu.name);
        EXPECT_TRUE(frameOf(menu, false) == off) << menu.name << ": the frame with it off again";
        int inMark = 0, inRecords = 0, inCircuit = 0, elsewhere = 0;
        for (int y = 0; y < windowHeight; ++y)
            for (int x = 0; x < windowWidth; ++x) {
                const std::size_t at = (static_cast<std::size_t>(y) * windowWidth + x) * 3;
                if (std::equal(&on[at], &on[at] + 3, &off[at]))
                    continue;
                (markArea.holds(x, y)      ? inMark
                 : recordsArea.holds(x, y) ? inRecords
                 : circuitArea.holds(x, y) ? inCircuit
                                           : elsewhere)++;
            }
        EXPECT_GT(inMark, 100) << menu.name;
        EXPECT_EQ(inRecords > 100, menu.records) << menu.name << ": " << inRecords;
        EXPECT_EQ(inCircuit > 100, menu.circuitEntry) << menu.name << ": " << inCircuit;
        EXPECT_EQ(elsewhere, 0) << menu.name;
    }
    challengeOn = 1;
    const auto green = [](int opponent, int decor) {
        return textInColour([&] { printChallengeRecords(opponent, decor); }, 0, 1, 0);
    };
    EXPECT_EQ(green(3, 0), "VICTOIRES3DEFAITES4NULS1KO RAPIDE1:01");
    EXPECT_EQ(green(3, 1), "VICTOIRES2DEFAITES1NULS0KO RAPIDE1:23");
    EXPECT_EQ(green(2, 2), "VICTOIRES0DEFAITES0NULS0KO RAPIDE-");
    EXPECT_EQ(textInColour(printChallengeMark, 1, 1, 0), "DEFI");
    settingsInEffect.language = Language::en;
    EXPECT_EQ(green(2, 0), "WINS5LOSSES0DRAWS0FASTEST KO-");
    EXPECT_EQ(textInColour(printChallengeMark, 1, 1, 0), "CHALLENGE");
    EXPECT_EQ(knockOutTime(59), "0:00");
    EXPECT_EQ(knockOutTime(60 * 600 + 59), "10:00");
    EXPECT_EQ(knockOutTime(mostKnockOutSteps), "60:00");
}

// With the challenge off, no menu reads the records file: a damaged one stays as it is and
// nothing is said. On, the first menu that shows the records names it and sets it aside.
TEST_F(ChallengeMenus, TheRecordsFileIsLeftAloneWithTheChallengeOff) {
    write("ruko-records 1\nradov_eze friendly wins 1\n");
    const std::string off = stderrOf([] {
        for (const Menu& menu : menus) {
            menu.enter();
            frameOf(menu, false);
        }
    });
    EXPECT_EQ(off, "");
    EXPECT_EQ(fs::directory_iterator(path.parent_path())->path(), path);
    const std::string on = stderrOf([] { frameOf(menus[2], true); });
    EXPECT_EQ(on, "ruko: " + path.string() +
                      " is damaged (line 2 is not OPPONENT DECOR wins N losses N draws N "
                      "fastest_ko_steps N (or none)): set aside as " +
                      (path.parent_path() / "challenge-records.damaged.txt").string() +
                      "; the challenge's records start afresh\n");
}

// The player's fights count; while a recording or the demo drives, none does, nor a fight the
// player takes over from them (it started before); one started after counts.
TEST_F(ChallengeMenus, OnlyThePlayersOwnFightsAreCounted) {
    startSources(true); // the player's own option on: it comes back when they drive again
    const ChallengeOutcome knockOut{
        ChallengeWinner::player, ChallengeEnd::knockOut, 1, 100, 0, 0, 0, 0};
    const auto winsOfRadov = [] { return challengeRecord(1, 1).wins; };
    // As the fight's end counts it.
    const auto fightEnds = [&knockOut] {
        if (challengeFightCounts(knockOut.steps, stepsRun()))
            recordChallengeOutcome(1, 1, knockOut);
    };
    fightEnds();
    int wins = 1;
    EXPECT_EQ(winsOfRadov(), wins);
    for (const Source source : {Source::replay, Source::demo}) {
        sourceStarted(source, [] {});
        EXPECT_FALSE(recordsKept());
        fightEnds();
        EXPECT_EQ(winsOfRadov(), wins);
        sourceEnded(source);
        EXPECT_TRUE(recordsKept());
        enterTitleScreen();
        for (int step = 0; step < 99; ++step)
            runSlot();
        fightEnds();
        EXPECT_EQ(winsOfRadov(), wins) << "a fight of 100 steps begun under the other source";
        runSlot();
        fightEnds();
        EXPECT_EQ(winsOfRadov(), ++wins);
    }
    forgetChallengeRecords();
    EXPECT_EQ(winsOfRadov(), 3) << "as saved";
}
