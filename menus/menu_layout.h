#pragma once

#include "text/words.h"

// What the four menus share: their texts with size, colour and place, and the red arrows.

struct TextColour {
    float red, green, blue;
};

inline constexpr TextColour headingYellow{1.0f, 1.0f, 0.0f};
inline constexpr TextColour entryBlue{0.0f, 0.0f, 1.0f};
inline constexpr TextColour nameRed{1.0f, 0.0f, 0.0f};

// Where a text's baseline stands, in window pixels from the bottom.
enum class MenuRow {
    heading,      // 20 below the top
    upperEntry,   // 40 above the middle
    lowerEntry,   // 60 below the middle
    thirdEntry,   // a sixth of the height: 160 below the middle at 480, following the arrow
    selectedName, // 20 above the bottom
};

// How a text's left end follows the window's middle.
enum class MenuPlace {
    centred,         // half its width at one text size per character left of the middle
    underFightEntry, // where the fight entry starts, whatever its own length
};

struct MenuText {
    Word word;
    int size;
    TextColour colour;
    bool italic;
    MenuPlace place;
    int nudge; // pixels right of the place
    MenuRow row;
};

// The decor heading stands 10 pixels right of the centred place, as it always has.
inline constexpr MenuText modeHeading{Word::modeHeading,  20, headingYellow,   true,
                                      MenuPlace::centred, 0,  MenuRow::heading};
inline constexpr MenuText combatEntry{Word::fightEntry,   16, entryBlue,          false,
                                      MenuPlace::centred, 0,  MenuRow::upperEntry};
inline constexpr MenuText trainingEntry{Word::trainingEntry,        14, entryBlue,          false,
                                        MenuPlace::underFightEntry, 0,  MenuRow::lowerEntry};
inline constexpr MenuText circuitEntry{Word::circuitEntry,         14, entryBlue,          false,
                                       MenuPlace::underFightEntry, 0,  MenuRow::thirdEntry};
inline constexpr MenuText opponentHeading{Word::opponentHeading, 20, headingYellow,   true,
                                          MenuPlace::centred,    0,  MenuRow::heading};
inline constexpr MenuText opponentNames[] = {
    {Word::radovEze, 14, nameRed, false, MenuPlace::centred, 0, MenuRow::selectedName},
    {Word::radovEzeBlack, 14, nameRed, false, MenuPlace::centred, 0, MenuRow::selectedName},
    {Word::didaVud, 14, nameRed, false, MenuPlace::centred, 0, MenuRow::selectedName},
};
inline constexpr MenuText decorHeading{Word::decorHeading, 20, headingYellow,   true,
                                       MenuPlace::centred, 10, MenuRow::heading};
inline constexpr MenuText decorNames[] = {
    {Word::friendlyDecor, 14, nameRed, false, MenuPlace::centred, 0, MenuRow::selectedName},
    {Word::cupDecor, 14, nameRed, false, MenuPlace::centred, 0, MenuRow::selectedName},
};
inline constexpr MenuText trainingHeading{Word::trainingHeading, 20, headingYellow,   true,
                                          MenuPlace::centred,    0,  MenuRow::heading};
inline constexpr MenuText trainingNames[] = {
    {Word::punchBag, 14, nameRed, false, MenuPlace::centred, 0, MenuRow::selectedName},
    {Word::punchingBall, 14, nameRed, false, MenuPlace::centred, 0, MenuRow::selectedName},
};

// The text's place in an area of the given size, in the language in effect (halves by integer
// division).
int menuTextX(const MenuText& text, int width);

constexpr int menuTextY(const MenuText& text, int height) {
    switch (text.row) {
    case MenuRow::heading:
        return height - 20;
    case MenuRow::upperEntry:
        return height / 2 + 40;
    case MenuRow::lowerEntry:
        return height / 2 - 60;
    case MenuRow::thirdEntry:
        return height / 6;
    case MenuRow::selectedName:
        break;
    }
    return 20;
}

// Prints the text in its style, with a black shadow, at its place in the current window's text
// area.
void printMenuText(const MenuText& text);

// The pair of red arrows below the preview, turned by the menu's spin about their long axis.
void drawMenuArrowPair(int spin);

// The red material of the arrows, with their shininess.
void setArrowMaterial();

// The white material a preview starts from.
void setPreviewMaterial();

// The start of every menu frame: clear, a fresh model-view matrix, the light fixed to the
// viewer. endMenuFrame pops that matrix and shows the frame.
void beginMenuFrame(const float* lightPosition);
void endMenuFrame();
