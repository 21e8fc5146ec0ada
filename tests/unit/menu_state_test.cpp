#include "menus/menu_layout.h"
#include "menus/menu_state.h"
#include "sound/sound.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Characters that take room: escapes ("\i+", "\i-") take none.
int visibleLength(const char* text) {
    int length = 0;
    for (const char* c = text; *c; ++c) {
        if (*c == '\\') {
            c += 2;
            continue;
        }
        ++length;
    }
    return length;
}

} // namespace

TEST(MenuChoices, ModeTogglesWithItsArrowEitherWay) {
    modeChoice = fightMode;
    modeCursorOffset = 0.0f;
    toggleModeChoice();
    EXPECT_EQ(modeChoice, trainingMode);
    EXPECT_EQ(modeCursorOffset, -1.0f);
    toggleModeChoice();
    EXPECT_EQ(modeChoice, fightMode);
    EXPECT_EQ(modeCursorOffset, 0.0f);
}

TEST(MenuChoices, OpponentWrapsBothWays) {
    opponentChoice = 1;
    selectPreviousOpponent();
    EXPECT_EQ(opponentChoice, 3);
    selectPreviousOpponent();
    EXPECT_EQ(opponentChoice, 2);
    selectPreviousOpponent();
    EXPECT_EQ(opponentChoice, 1);
    selectNextOpponent();
    EXPECT_EQ(opponentChoice, 2);
    selectNextOpponent();
    EXPECT_EQ(opponentChoice, 3);
    selectNextOpponent();
    EXPECT_EQ(opponentChoice, 1);
}

TEST(MenuChoices, DecorAndTrainingToggleBetweenTheirTwoChoices) {
    decorChoice = 1;
    toggleDecorChoice();
    EXPECT_EQ(decorChoice, 2);
    toggleDecorChoice();
    EXPECT_EQ(decorChoice, 1);
    trainingChoice = 1;
    toggleTrainingChoice();
    EXPECT_EQ(trainingChoice, 2);
    toggleTrainingChoice();
    EXPECT_EQ(trainingChoice, 1);
}

TEST(MenuChoices, SpinsTurnOneDegreeAndComeRound) {
    int spin = 358;
    turnOneDegree(spin);
    EXPECT_EQ(spin, 359);
    turnOneDegree(spin);
    EXPECT_EQ(spin, 0);
}

TEST(MenuTexts, HeadingsAndNamesAreCentredOnTheWindowsMiddle) {
    const MenuText centred[] = {modeHeading,      opponentHeading,  trainingHeading,
                                opponentNames[0], opponentNames[1], opponentNames[2],
                                decorNames[0],    decorNames[1],    trainingNames[0],
                                trainingNames[1], combatEntry};
    for (const MenuText& text : centred)
        EXPECT_EQ(menuTextX(text, 640) - 320, -visibleLength(word(text.word)) * text.size / 2)
            << word(text.word);
    // The decor heading has always stood 10 pixels right of the centred place.
    EXPECT_EQ(menuTextX(decorHeading, 640) - 320,
              -visibleLength(word(decorHeading.word)) * 20 / 2 + 10);
    EXPECT_EQ(menuTextX(trainingEntry, 640), menuTextX(combatEntry, 640));
}

TEST(MenuTexts, StylesAndRowsFollowTheLayout) {
    for (const MenuText& heading : {modeHeading, opponentHeading, decorHeading, trainingHeading}) {
        EXPECT_EQ(heading.size, 20);
        EXPECT_EQ(heading.colour.blue, 0.0f);
        EXPECT_TRUE(heading.italic);
        EXPECT_EQ(std::strncmp(word(heading.word), "CHOISIR UN ", 11), 0) << word(heading.word);
        EXPECT_EQ(menuTextY(heading, 480), 460);
    }
    EXPECT_EQ(combatEntry.size, 16);
    EXPECT_EQ(trainingEntry.size, 14);
    EXPECT_EQ(menuTextY(combatEntry, 480), 280);
    EXPECT_EQ(menuTextY(trainingEntry, 480), 180);
    EXPECT_EQ(menuTextY(opponentNames[1], 480), 20);
    EXPECT_EQ(menuTextX(opponentNames[1], 640), 215);
    // Halves are integer divisions.
    EXPECT_EQ(menuTextX(decorNames[0], 641), 278);
    EXPECT_EQ(menuTextY(combatEntry, 481), 280);
}

TEST(MenuChoices, EveryChangeOfSelectionTicks) {
    const int ticks = soundRequests(Sound::menuTick);
    toggleModeChoice();
    selectPreviousOpponent();
    selectNextOpponent();
    toggleDecorChoice();
    toggleTrainingChoice();
    EXPECT_EQ(soundRequests(Sound::menuTick) - ticks, 5);
}
