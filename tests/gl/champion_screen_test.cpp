#include "app/screen.h"
#include "app/startup.h"
#include "app/window.h"
#include "challenge/circuit.h"
#include "game/champion_screen.h"
#include "input/keys.h"
#include "menus/title_animation.h"
#include "menus/title_screen.h"
#include "models/cup.h"
#include "models/palette.h"
#include "sound/sound.h"
#include "tests/support/gl_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

class ChampionScreen : public testing::Test {
  protected:
    static void SetUpTestSuite() { initResources(); }
};

using Frame = std::vector<std::uint8_t>;
using Pixel = const std::uint8_t*; // its red, green and blue
using PixelTest = bool (*)(Pixel);

// From (left, bottom) to (right, top) excluded, at 640x480: the bowl at any turn, the heading.
struct Box {
    int left, bottom, right, top;
};
constexpr Box everything{0, 0, 640, 480}, bowl{290, 260, 350, 340}, heading{0, 400, 640, 480},
    prompt{0, 0, 640, 60};

int pixelsIn(const Frame& frame, const Box& box, PixelTest test) {
    int count = 0;
    for (int y = box.bottom; y < box.top; ++y)
        for (int x = box.left; x < box.right; ++x)
            count += test(&frame[(static_cast<std::size_t>(y) * windowWidth + x) * 3]);
    return count;
}

constexpr PixelTest notBlack = [](Pixel p) { return p[0] + p[1] + p[2] > 30; };
constexpr PixelTest yellow = [](Pixel p) { return p[0] > 220 && p[1] > 220 && p[2] < 60; };
constexpr PixelTest blue = [](Pixel p) { return p[0] < 10 && p[1] < 10 && p[2] > 245; };
constexpr PixelTest gold = [](Pixel p) { return p[0] > p[1] && p[1] > p[2] + 60; };

// The lowest and highest rows where two frames differ; {-1, -1} when they are the same.
std::pair<int, int> rowsDiffering(const Frame& a, const Frame& b) {
    std::pair<int, int> rows{-1, -1};
    for (std::size_t y = 0, row = windowWidth * 3u; y < static_cast<std::size_t>(windowHeight); ++y)
        if (!std::equal(&a[y * row], &a[(y + 1) * row], &b[y * row]))
            rows = {rows.first < 0 ? static_cast<int>(y) : rows.first, static_cast<int>(y)};
    return rows;
}

Frame championFrame(const CircuitProgress& progress, int step) {
    circuitProgress = progress;
    championStep = step;
    championDisplay();
    return readFrame();
}

} // namespace

TEST_F(ChampionScreen, TheCupStandsOnTheFloorInGoldAndBalanced) {
    const Bounds cup = boundsOf(polygonsOf(captureInSceneUnits(drawCup, 2.0)));
    const struct {
        const char* what;
        float value, low, high;
    } measures[] = {
        {"bottom", cup.minY, -0.001f, 0.001f},
        {"top", cup.maxY, 1.45f, 1.55f},
        {"handles' span", cup.maxX - cup.minX, 1.2f, 1.5f},
        {"bowl's depth", cup.maxZ - cup.minZ, 0.7f, 0.95f},
        {"middle across", cup.minX + cup.maxX, -0.01f, 0.01f},
        {"middle in depth", cup.minZ + cup.maxZ, -0.01f, 0.01f},
    };
    for (const auto& m : measures) {
        EXPECT_GE(m.value, m.low) << m.what;
        EXPECT_LE(m.value, m.high) << m.what;
    }
    float diffuse[4];
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    EXPECT_TRUE(std::equal(diffuse, diffuse + 4, goldMaterial.diffuse));
}

// Each time: the hall fills the view, the cup's gold in its middle, the heading's yellow above;
// another climb changes only the rows of its lines; Enter or Escape goes to the title, which
// wears the mark only for a champion, between the ring and the prompt.
TEST_F(ChampionScreen, ShowsTheCupTheClimbAndGoesBackToTheTitle) {
    const CircuitProgress first{3, 3, 0, 9000, 1, 9000, 9000, 3};
    const CircuitProgress second{3, 3, 2, 15000, 2, 9000, 15000, 5};
    const struct {
        const char* what;
        unsigned char key;
        int step;
        bool promptShown;
    } cases[] = {
        {"Enter at once", enterKey, 0, true},
        {"Escape as the camera has turned", escapeKey, 420, true},
        {"Enter as the prompt blinks off", enterKey, 30, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int cheers = soundRequests(Sound::crowdCheer);
        enterChampionScreen();
        EXPECT_EQ(soundRequests(Sound::crowdCheer), cheers + 1);

        const Frame shown = championFrame(first, c.step);
        EXPECT_GT(pixelsIn(shown, everything, notBlack), 640 * 480 * 9 / 10);
        EXPECT_GT(pixelsIn(shown, heading, yellow), 1000);
        EXPECT_GT(pixelsIn(shown, bowl, gold), 4000);
        EXPECT_EQ(pixelsIn(shown, prompt, blue) > 500, c.promptShown);
        const auto [low, high] = rowsDiffering(shown, championFrame(second, c.step));
        EXPECT_TRUE(low >= 60 && high <= 160 && high > low) << low << " " << high;
        EXPECT_EQ(rowsDiffering(shown, championFrame(first, c.step)).first, -1);

        championKeyboard(c.key, 0, 0);
        EXPECT_STREQ(screenName(), "title");
        EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
        titleDisplay();
        const Frame champion = readFrame();
        circuitProgress.titles = 0;
        titleDisplay();
        const auto [markLow, markHigh] = rowsDiffering(champion, readFrame());
        EXPECT_TRUE(markLow >= 55 && markHigh <= 80) << markLow << " " << markHigh;
        EXPECT_GT(pixelsIn(champion, {0, 55, 640, 81}, gold), 50);
    }
}
