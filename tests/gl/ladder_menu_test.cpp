// The circuit's way in, with the challenge on: the mode menu's third entry and the ladder
// screen, driven through their real callbacks in a real window.
#include "app/screen.h"
#include "app/startup.h"
#include "challenge/challenge_records.h"
#include "challenge/circuit.h"
#include "input/keys.h"
#include "input/settings.h"
#include "menus/decor_menu.h"
#include "menus/ladder_menu.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "menus/mode_menu.h"
#include "tests/support/glyph_quads.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

namespace {

class Ladder : public testing::Test {
  protected:
    static void SetUpTestSuite() { initResources(); }
    void SetUp() override {
        resetGlState();
        settingsInEffect.language = Language::fr;
        modeChoice = fightMode;
        modeCursorOffset = 0.0f;
        // The progress in effect is the one set here, as a recording's is: the ladder reads no
        // file while the records are not kept.
        keepRecords(false);
    }
    void TearDown() override {
        challengeOn = circuitFight = 0;
        circuitProgress = {};
        keepRecords(true);
    }
};

// d Down and u Up, and the modes they reach, each row from where the one before left: with the
// challenge off, the circuit counts as the fight.
struct ModeKeys {
    Flag challenge;
    const char* keys;
    const char* modes;
};
const ModeKeys modeKeys[] = {
    {1, "dddu", "2313"}, {0, "u", "2"}, {1, "uuud", "1323"}, {0, "dduu", "2121"}};

// The green, yellow and blue texts: the beaten marks and the climb's record; the heading, the
// next mark, the champion's and the challenge's; the prompt.
struct Rung {
    int beaten, wins, losses, titles;
    const char *green, *yellow, *blue;
    int opponent, decor;
};
const Rung rungs[] = {
    {0, 0, 0, 0, "VICTOIRES 0   DEFAITES 0", "LE CIRCUITPROCHAINDEFI", "ENTREE : COMBATTRE", 1, 1},
    {1, 1, 2, 0, "BATTUVICTOIRES 1   DEFAITES 2", "LE CIRCUITPROCHAINDEFI", "ENTREE : COMBATTRE", 2,
     1},
    {2, 2, 0, 1, "BATTUBATTUVICTOIRES 2   DEFAITES 0", "LE CIRCUITPROCHAINCHAMPION DU CIRCUITDEFI",
     "ENTREE : COMBATTRE", 3, 2},
    {3, 3, 1, 1, "BATTUBATTUBATTUVICTOIRES 3   DEFAITES 1", "LE CIRCUITCHAMPION DU CIRCUITDEFI",
     "ENTREE : NOUVEAU CIRCUIT", 1, 1},
};

} // namespace

// Up and Down cycle through the three entries with the challenge on, toggle the two without;
// the circuit left chosen when the challenge goes off is the fight, drawn and entered.
TEST_F(Ladder, ModeMenuOffersTheCircuitOnlyWithTheChallengeOn) {
    enterModeMenu();
    modeMenuDisplay();
    const std::vector<std::uint8_t> fightFrame = readFrame();
    for (const ModeKeys& row : modeKeys)
        for (int at = 0; row.keys[at]; ++at) {
            challengeOn = row.challenge;
            modeMenuSpecial(row.keys[at] == 'd' ? GLUT_KEY_DOWN : GLUT_KEY_UP, 0, 0);
            EXPECT_EQ(modeChoice, row.modes[at] - '0') << row.keys << " " << at;
            EXPECT_EQ(modeCursorOffset, static_cast<float>('1' - row.modes[at])) << row.keys;
        }
    challengeOn = 1;
    modeMenuSpecial(GLUT_KEY_UP, 0, 0);
    modeMenuKeyboard(enterKey, 0, 0);
    EXPECT_STREQ(screenName(), "ladder");
    ladderKeyboard(escapeKey, 0, 0);
    EXPECT_STREQ(screenName(), "mode_menu");
    EXPECT_EQ(modeChoice, circuitMode) << "kept on return";
    challengeOn = 0;
    modeMenuDisplay();
    EXPECT_EQ(readFrame(), fightFrame);
    modeMenuKeyboard(enterKey, 0, 0);
    EXPECT_STREQ(screenName(), "opponent_menu");
}

// Each stage of the climb is shown in its own words and frame, and Enter fights the opponent
// met next in the circuit's decor; a fight from the decor menu is none of the circuit's.
TEST_F(Ladder, EachStageOfTheClimbIsShownAndFought) {
    challengeOn = 1;
    std::vector<std::uint8_t> frameBefore;
    for (const Rung& rung : rungs) {
        const int beaten = rung.beaten;
        circuitProgress = {beaten, rung.wins, rung.losses, 0, rung.titles, 0, 0, 0};
        enterLadderScreen();
        EXPECT_EQ(textInColour(ladderDisplay, 0, 1, 0), rung.green) << beaten;
        EXPECT_EQ(textInColour(ladderDisplay, 1, 1, 0), rung.yellow) << beaten;
        EXPECT_EQ(textInColour(ladderDisplay, 0, 0, 1), rung.blue) << beaten;
        EXPECT_EQ(textInColour(ladderDisplay, 1, 1, 1), "COMBAT POUR LE TITRE") << beaten;
        ladderDisplay();
        EXPECT_NE(readFrame(), frameBefore) << beaten;
        frameBefore = readFrame();
        ladderKeyboard(enterKey, 0, 0);
        EXPECT_STREQ(screenName(), "fight") << beaten;
        EXPECT_EQ(fightOpponent, rung.opponent) << beaten;
        EXPECT_EQ(fightDecor, rung.decor) << beaten;
        EXPECT_EQ(circuitFight, 1) << beaten;
    }
    enterDecorMenu(2);
    decorMenuKeyboard(enterKey, 0, 0);
    EXPECT_EQ(circuitFight, 0);
}
