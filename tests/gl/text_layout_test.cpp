#include "app/screen.h"
#include "app/startup.h"
#include "app/window.h"
#include "challenge/challenge_records.h"
#include "game/fight_screen.h"
#include "game/knockout.h"
#include "game/state.h"
#include "game/training_screen.h"
#include "input/settings.h"
#include "menus/challenge_marks.h"
#include "menus/decor_menu.h"
#include "menus/menu_layout.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "menus/opponent_menu.h"
#include "menus/title_animation.h"
#include "menus/title_screen.h"
#include "menus/training_menu.h"
#include "tests/support/gl_harness.h"
#include "tests/support/glyph_quads.h"
#include "text/print_text.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Box {
    float left = 1e9f, bottom = 1e9f, right = -1e9f, top = -1e9f;
    void grow(float x, float y) {
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
    float centreX() const { return (left + right) / 2; }
};

bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

std::string describe(const Box& box) {
    std::ostringstream out;
    out << "[" << box.left << ".." << box.right << " x " << box.bottom << ".." << box.top << "]";
    return out.str();
}

// One printed text: its glyphs' box in window pixels, with its shadow one text pixel over and up.
struct PrintedText {
    std::string text;
    float colour[3];
    Box box;
};

bool atTextDepth(const FeedbackItem& item) {
    return std::all_of(item.vertices.begin(), item.vertices.end(),
                       [](const FeedbackVertex& v) { return std::fabs(v.z - 0.5f) < 1e-6f; });
}

bool sameColour(const float (&colour)[3], const FeedbackVertex& v) {
    return std::fabs(colour[0] - v.r) + std::fabs(colour[1] - v.g) + std::fabs(colour[2] - v.b) <
           1e-3f;
}

// What a drawing prints, one text to a colour and baseline (black and white are the shadows'),
// and the box of what it draws before its first text.
struct Layout {
    std::vector<PrintedText> texts;
    Box before;
};

Layout layoutOf(const std::function<void()>& draw) {
    Layout layout;
    std::vector<FeedbackItem> glyphs;
    for (const FeedbackItem& item : polygonsOf(captureFeedback(draw))) {
        if (!atTextDepth(item)) {
            if (glyphs.empty())
                for (const FeedbackVertex& v : item.vertices)
                    layout.before.grow(v.x, v.y);
            continue;
        }
        // The challenge's bars are plain quads at the text's depth: a glyph samples the font.
        const FeedbackVertex& v = item.vertices[0];
        if (std::all_of(item.vertices.begin(), item.vertices.end(),
                        [&](const FeedbackVertex& w) { return w.s == v.s && w.t == v.t; }))
            continue;
        const float sum = v.r + v.g + v.b;
        if (sum > 1e-3f && sum < 3 - 1e-3f)
            glyphs.push_back(item);
    }
    const auto scale = static_cast<float>(textScaleFor(windowWidth, windowHeight));
    for (std::size_t i = 0; i + 1 < glyphs.size(); i += 2) {
        const GlyphQuad quad = glyph_quads_detail::quadOf(glyphs[i], glyphs[i + 1]);
        const FeedbackVertex& c = quad.lowerLeft;
        auto text =
            std::find_if(layout.texts.begin(), layout.texts.end(), [&](const PrintedText& t) {
                return t.box.bottom == quad.bottom && sameColour(t.colour, c);
            });
        if (text == layout.texts.end())
            text = layout.texts.insert(text, PrintedText{"", {c.r, c.g, c.b}, {}});
        text->text += static_cast<char>(quad.code);
        text->box.grow(std::min(quad.left, quad.topLeft), quad.bottom);
        text->box.grow(std::max(quad.right, quad.topLeft + quad.right - quad.left) + scale,
                       quad.top + scale);
    }
    return layout;
}

// The window at a new size once X has made it so, the viewport and size globals with it.
void resizeWindow(int width, int height) {
    glutReshapeWindow(width, height);
    for (int pass = 0; pass < 500 && (glutGet(GLUT_WINDOW_WIDTH) != width ||
                                      glutGet(GLUT_WINDOW_HEIGHT) != height);
         ++pass) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        pumpEvents();
    }
    ASSERT_EQ(glutGet(GLUT_WINDOW_WIDTH), width);
    ASSERT_EQ(glutGet(GLUT_WINDOW_HEIGHT), height);
    reshapeScreen30(width, height);
}

struct Screen {
    std::string name;
    Layout layout;
    std::size_t texts; // how many it prints
};

void addMenuTexts(Layout& layout, std::initializer_list<MenuText> texts) {
    for (const MenuText& text : texts) {
        const Layout one = layoutOf([&] { printMenuText(text); });
        layout.texts.insert(layout.texts.end(), one.texts.begin(), one.texts.end());
    }
}

// With the challenge on, the title and the menus add its mark, the opponent and decor menus the
// records, eight lines.
void addChallengeTexts(Layout& layout, int opponent, int decor) {
    const Layout mark = layoutOf(printChallengeMark);
    layout.texts.insert(layout.texts.end(), mark.texts.begin(), mark.texts.end());
    if (opponent == 0)
        return;
    const Layout records = layoutOf([&] { printChallengeRecords(opponent, decor); });
    layout.texts.insert(layout.texts.end(), records.texts.begin(), records.texts.end());
}

// Every screen's texts as it lays them out in the window as it is now. The menus' texts one by
// one, as their displays print them: feedback mode over their turning arrows crashes llvmpipe.
// The title's "before" is its logo, swayed to either end.
std::vector<Screen> everyScreen() {
    const std::size_t mark = challengeOn ? 1 : 0;
    const std::size_t records = challengeOn ? 8 : 0;
    std::vector<Screen> screens;
    enterTitleScreen();
    titleBlinkOn = 1;
    titleSlide = -0.01f;
    Layout title = layoutOf(titleDisplay);
    titleSlide = 0.51f;
    const Box swayed = layoutOf(titleDisplay).before;
    title.before.grow(swayed.left, swayed.bottom);
    title.before.grow(swayed.right, swayed.top);
    titleSlide = 0;
    screens.push_back({"title", title, 2 + mark});

    Layout menu;
    enterModeMenu();
    addMenuTexts(menu, {modeHeading, combatEntry, trainingEntry});
    if (challengeOn)
        addChallengeTexts(menu, 0, 0);
    screens.push_back({"mode menu", menu, 3 + mark});
    for (int opponent = 1; opponent <= 3; ++opponent) {
        menu = {};
        enterOpponentMenu();
        addMenuTexts(menu, {opponentHeading, opponentNames[opponent - 1]});
        if (challengeOn)
            addChallengeTexts(menu, opponent, 0);
        screens.push_back({"opponent menu", menu, 2 + mark + records});
    }
    for (int decor = 1; decor <= 2; ++decor) {
        menu = {};
        enterDecorMenu(1);
        addMenuTexts(menu, {decorHeading, decorNames[decor - 1]});
        if (challengeOn)
            addChallengeTexts(menu, 1, decor);
        screens.push_back({"decor menu", menu, 2 + mark + records});
    }
    for (const MenuText& name : trainingNames) {
        menu = {};
        enterTrainingMenu();
        addMenuTexts(menu, {trainingHeading, name});
        if (challengeOn)
            addChallengeTexts(menu, 0, 0);
        screens.push_back({"training menu", menu, 2 + mark});
    }

    enterFightScreen(1, 1);
    fightPoints = 41;
    // With the challenge on, the opponent's name and the stamina over their bars too (the
    // round's clock is white, as the shadows, and not told apart), and the keys of the six
    // lessons of the fight's first seconds.
    screens.push_back({"fight", layoutOf(fightDisplay), challengeOn ? 9u : 1u});
    knockOutTest();
    // With the challenge on, who won over the "KO".
    screens.push_back({"knock-out", layoutOf(koDisplay), challengeOn ? 3u : 2u});
    // Excellent, average and poor: 100, 66 and 48 per cent.
    for (const int punches : {20, 30, 41}) {
        enterTrainingScreen(1);
        trainingHits = 20;
        trainingPunches = punches;
        trainingFinished = 1;
        trainingIdle();
        screens.push_back({"training results", layoutOf(trainingDisplay), 4});
    }
    return screens;
}

// Records with the widest numbers: a million less one, and the knock-out of nearly an hour.
void widestRecords(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "ruko");
    ChallengeRecords records{};
    for (auto& opponent : records.of)
        for (ChallengeRecord& record : opponent)
            record = {mostRecordCount, mostRecordCount, mostRecordCount, mostKnockOutSteps - 1};
    std::ofstream(folder / "ruko" / "challenge-records.txt") << challengeRecordsText(records, "\n");
    setenv("XDG_STATE_HOME", folder.c_str(), 1);
    forgetChallengeRecords();
}

class TextLayout : public testing::Test {
  protected:
    static void SetUpTestSuite() { initResources(); }
    void SetUp() override { resetGlState(); }
    void TearDown() override {
        challengeOn = 0;
        textScaleChoice = 0;
        settingsInEffect.language = Language::fr;
        if (windowWidth != startWindowWidth || windowHeight != startWindowHeight)
            resizeWindow(startWindowWidth, startWindowHeight);
    }
};

// Where the title's byline stands under its logo at 640x480 with the text size auto: its centre
// across the logo's box, and the gap between them in window heights.
struct BylinePlace {
    float across, gap;
};

BylinePlace bylinePlace(const Screen& title) {
    const Box& logo = title.layout.before;
    const Box& byline = title.layout.texts.at(0).box;
    return {(byline.centreX() - logo.left) / (logo.right - logo.left),
            (logo.bottom - byline.top) / static_cast<float>(windowHeight)};
}

void expectLaidOut(const Screen& screen, const std::string& at, const BylinePlace& byline640) {
    const std::vector<PrintedText>& texts = screen.layout.texts;
    std::string all;
    for (const PrintedText& text : texts)
        all += " \"" + text.text + "\" " + describe(text.box);
    ASSERT_EQ(texts.size(), screen.texts) << at << ":" << all;
    const auto scale = static_cast<float>(textScaleFor(windowWidth, windowHeight));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Box& box = texts[i].box;
        const std::string what = at + ": " + texts[i].text + " " + describe(box);
        // The shadow, one text pixel over and up, may leave the window as it does at 640x480.
        EXPECT_TRUE(box.left >= 0 && box.bottom >= 0 && box.right - scale <= windowWidth &&
                    box.top - scale <= windowHeight)
            << what << " leaves the window";
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(overlap(box, texts[j].box))
                << what << " overlaps " << texts[j].text << " " << describe(texts[j].box);
    }
    if (screen.name != "title")
        return;
    const Box& logo = screen.layout.before;
    for (const PrintedText& text : texts)
        EXPECT_FALSE(overlap(text.box, logo))
            << at << ": " << text.text << " " << describe(text.box) << " over the logo "
            << describe(logo);
    const BylinePlace place = bylinePlace(screen);
    EXPECT_GT(place.gap, 0) << at << ": the byline under the logo";
    EXPECT_LT(place.gap, 2 * byline640.gap) << at << ": the byline just under the logo";
    // Where the logo is wider than the window, the byline keeps to the window's edge instead.
    if (logo.left > 0 && logo.right < windowWidth) {
        EXPECT_NEAR(place.across, byline640.across, 0.02f)
            << at << ": the byline's centre across the logo " << describe(logo) << ", "
            << texts[0].text << " " << describe(texts[0].box);
    }
}

} // namespace

// Every screen at every text size the settings offer, in windows wide, tall and square and in
// both languages: each text inside the window, clear of the others and of the title's logo, the
// byline under the logo where it stands at 640x480. A size is kept as far as the window holds
// every text at it. With the challenge on too, its mark and records at their widest.
TEST_F(TextLayout, EveryScreenAtEverySizeKeepsItsTextsApartAndInside) {
    const BylinePlace byline640 = bylinePlace(everyScreen().front());
    char folder[] = "/tmp/ruko_layout_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    widestRecords(folder);
    struct Shape {
        int width, height;
        int scales[largestTextScale + 1]; // the text's, auto then 1 to 4
    };
    for (const Shape& shape :
         {Shape{640, 480, {1, 1, 1, 1, 1}}, Shape{1920, 1080, {2, 1, 2, 3, 3}},
          Shape{1280, 1024, {2, 1, 2, 2, 2}}, Shape{600, 900, {1, 1, 1, 1, 1}}}) {
        resizeWindow(shape.width, shape.height);
        for (const Language language : {Language::fr, Language::en}) {
            settingsInEffect.language = language;
            for (int run = 0; run < 2 * (largestTextScale + 1); ++run) {
                const int size = run / 2;
                textScaleChoice = size;
                challengeOn = run % 2;
                std::ostringstream where;
                where << shape.width << "x" << shape.height << ", size " << size
                      << (challengeOn ? ", the challenge on, " : ", ")
                      << (language == Language::fr ? "fr" : "en") << ", ";
                const std::vector<Screen> screens = everyScreen();
                // 12 high and its shadow one over, times the scale.
                const Box& byline = screens.front().layout.texts.at(0).box;
                EXPECT_NEAR(byline.top - byline.bottom, 13 * shape.scales[size], 0.01)
                    << where.str();
                for (const Screen& screen : screens)
                    expectLaidOut(screen, where.str() + screen.name, byline640);
            }
        }
    }
    std::filesystem::remove_all(folder);
}
