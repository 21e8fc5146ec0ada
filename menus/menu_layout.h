#pragma once

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
    selectedName, // 20 above the bottom
};

struct MenuText {
    const char* text;
    int size;
    TextColour colour;
    int xFromCentre; // offset from the window's middle
    MenuRow row;
};

// Headings and names are centred: half their width at one text size per character. The
// decor heading stands 10 pixels right of that, as it always has.
inline constexpr MenuText modeHeading{"\\i+CHOISIR UN MODE DE JEUX\\i-", 20, headingYellow, -230,
                                      MenuRow::heading};
inline constexpr MenuText combatEntry{"COMBAT", 16, entryBlue, -48, MenuRow::upperEntry};
inline constexpr MenuText trainingEntry{"ENTRAINEMENT", 14, entryBlue, -48, MenuRow::lowerEntry};
inline constexpr MenuText opponentHeading{"\\i+CHOISIR UN ADVERSAIRE\\i-", 20, headingYellow, -210,
                                          MenuRow::heading};
inline constexpr MenuText opponentNames[] = {
    {"Radov Eze", 14, nameRed, -63, MenuRow::selectedName},
    {"Radov Eze Black", 14, nameRed, -105, MenuRow::selectedName},
    {"Dida Vud", 14, nameRed, -56, MenuRow::selectedName},
};
inline constexpr MenuText decorHeading{"\\i+CHOISIR UN DECOR\\i-", 20, headingYellow, -150,
                                       MenuRow::heading};
inline constexpr MenuText decorNames[] = {
    {"Amical", 14, nameRed, -42, MenuRow::selectedName},
    {"Coupe Tavelin", 14, nameRed, -91, MenuRow::selectedName},
};
inline constexpr MenuText trainingHeading{"\\i+CHOISIR UN ENTRAINEMENT\\i-", 20, headingYellow,
                                          -230, MenuRow::heading};
inline constexpr MenuText trainingNames[] = {
    {"Sac de Frappe", 14, nameRed, -91, MenuRow::selectedName},
    {"Punching Ball", 14, nameRed, -91, MenuRow::selectedName},
};

// The text's place in a window of the given size (halves by integer division).
constexpr int menuTextX(const MenuText& text, int width) {
    return width / 2 + text.xFromCentre;
}

constexpr int menuTextY(const MenuText& text, int height) {
    switch (text.row) {
    case MenuRow::heading:
        return height - 20;
    case MenuRow::upperEntry:
        return height / 2 + 40;
    case MenuRow::lowerEntry:
        return height / 2 - 60;
    case MenuRow::selectedName:
        break;
    }
    return 20;
}

// Prints the text in its style, with a black shadow, at its place in the current window.
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
