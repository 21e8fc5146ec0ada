#include "app/screen.h"
#include "app/startup.h"
#include "app/window.h"
#include "game/fight_screen.h"
#include "game/knockout.h"
#include "game/state.h"
#include "game/training_screen.h"
#include "menus/decor_menu.h"
#include "menus/menu_state.h"
#include "menus/menus.h"
#include "menus/mode_menu.h"
#include "menus/opponent_menu.h"
#include "menus/title_animation.h"
#include "menus/title_screen.h"
#include "menus/training_menu.h"
#include "menus/view_menu.h"
#include "sound/sound.h"
#include "tests/support/gl_harness.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <malloc.h>

// After gtest: Xlib defines None and Bool as macros.
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

// The whole game played for a long time by a seeded stream of keys: every screen, fights to
// the knock-out, trainings to the end, the view menu's entries but "Quitter". Keys go to the
// window as X key events, so GLUT calls whatever callbacks the screens installed. Each step
// runs the installed idle step once (unpaced); every soakDrawEvery steps a key or a view-menu
// entry may go in, and GLUT handles its events and draws the frame the screen asked for. The
// window is made small so that 100 000 steps fit in CI's time under the sanitizers.
//
// Bounds checked every checkpoint:
//  - display lists and texture names: exactly as many as after start-up;
//  - matrix stacks back at depth 1 between frames, and no GL error;
//  - out of full screen, the window back at its size.
// The heap in use is judged by stretches of heapStretchSteps after a warm-up through every
// screen: each stretch's floor (its lowest checkpoint) and peak (its highest) against the
// first stretch's. A single checkpoint says little: what swings is the GL driver's, not ours
// (a heap profile of the soak shows our code holding the same few kilobytes throughout).
// llvmpipe keeps the binned commands of recent frames in 64 KiB blocks, up to 3 MiB after
// fight frames, and about 1 MiB of Mesa's own small allocations comes and goes as well; both
// follow what was drawn last. The floor is what a leak lifts: 300 bytes a step raise it by
// 6 MB a stretch. Its margin covers the driver's caches, still filling after the warm-up: the
// floor rose by up to 1.5 MiB (a million steps of the default seed in both builds, 300 000 of
// two others), then stayed. The peak's margin adds the swing, up to 2.9 MiB over the first
// stretch's peak in those runs: a later stretch may look at the heap after heavier frames.
// RUKO_SOAK_STEPS and RUKO_SOAK_SEED change the length and the seed (make soak); the last
// stretch, if shorter, is not judged.

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int defaultSoakSteps = 100000;
constexpr std::uint32_t defaultSoakSeed = 20240607;
constexpr int checkpointSteps = 1000;
constexpr int warmUpSteps = 20000;
constexpr int heapStretchSteps = 20000;
constexpr std::size_t heapFloorMargin = 3u << 20; // bytes
constexpr std::size_t heapPeakMargin = 5u << 20;
constexpr double mebibyte = 1 << 20;
constexpr GLuint highestListChecked = 4096;
constexpr GLuint highestTextureChecked = 1024;
constexpr int fullScreenSteps = 50; // a player leaves full screen after a while
constexpr int soakDrawEvery = 8;
constexpr int soakWindowWidth = 160;
constexpr int soakWindowHeight = 120;

enum class ScreenKind {
    title,
    modeMenu,
    opponentMenu,
    decorMenu,
    trainingMenu,
    fight,
    knockOut,
    training,
    other
};
constexpr int screenCount = 9;

const char* const screenNames[screenCount] = {"title",      "mode menu",     "opponent menu",
                                              "decor menu", "training menu", "fight",
                                              "knock-out",  "training",      "unknown"};

ScreenKind currentScreen() {
    const IdleStep idle = screenIdle();
    if (idle == titleIdle)
        return ScreenKind::title;
    if (idle == modeMenuIdle)
        return ScreenKind::modeMenu;
    if (idle == opponentMenuIdle)
        return ScreenKind::opponentMenu;
    if (idle == decorMenuIdle)
        return ScreenKind::decorMenu;
    if (idle == trainingMenuIdle)
        return ScreenKind::trainingMenu;
    if (idle == fightIdle)
        return ScreenKind::fight;
    if (idle == koIdle)
        return ScreenKind::knockOut;
    if (idle == trainingIdle)
        return ScreenKind::training;
    return ScreenKind::other;
}

// One key of the stream and how likely it is on a screen, in parts of the screen's total.
struct WeightedKey {
    KeySym key;
    int weight;
};

// Menus mostly go forward; the player keeps punching and closes in, and leaves seldom
// until the fight or the run is over. Escape on the title ends the program: never sent.
constexpr WeightedKey titleKeys[] = {{XK_Return, 8}, {XK_a, 1}};
constexpr WeightedKey menuKeys[] = {{XK_Left, 3}, {XK_Right, 3},  {XK_Up, 2},
                                    {XK_Down, 2}, {XK_Return, 6}, {XK_Escape, 1}};
constexpr WeightedKey fightKeys[] = {{XK_x, 30},   {XK_w, 30},    {XK_Up, 12}, {XK_Down, 3},
                                     {XK_Left, 3}, {XK_Right, 3}, {XK_i, 2},   {XK_k, 2},
                                     {XK_l, 2},    {XK_m, 2},     {XK_t, 1},   {XK_Escape, 1}};
constexpr WeightedKey knockOutKeys[] = {{XK_x, 4}, {XK_Up, 2}, {XK_Escape, 1}};
constexpr WeightedKey trainingKeys[] = {{XK_x, 40}, {XK_w, 40}, {XK_Escape, 1}};
constexpr WeightedKey finishedKeys[] = {{XK_x, 2}, {XK_Escape, 1}};

// std::mt19937's output is fixed by the standard; the picks below use plain arithmetic on it
// (the standard distributions differ between libraries), so one seed gives one run anywhere.
class KeyStream {
  public:
    explicit KeyStream(std::uint32_t seed) : engine(seed) {}

    bool chance(std::uint32_t outOf) { return engine() % outOf == 0; }
    std::uint32_t below(std::uint32_t n) { return engine() % n; }

    template <std::size_t N> KeySym pick(const WeightedKey (&keys)[N]) {
        int total = 0;
        for (const WeightedKey& k : keys)
            total += k.weight;
        int at = static_cast<int>(below(static_cast<std::uint32_t>(total)));
        for (const WeightedKey& k : keys) {
            if (at < k.weight)
                return k.key;
            at -= k.weight;
        }
        return keys[0].key;
    }

  private:
    std::mt19937 engine;
};

KeySym keyFor(ScreenKind screen, KeyStream& stream) {
    switch (screen) {
    case ScreenKind::title:
        return stream.pick(titleKeys);
    case ScreenKind::fight:
        return stream.pick(fightKeys);
    case ScreenKind::knockOut:
        return stream.pick(knockOutKeys);
    case ScreenKind::training:
        return trainingFinished ? stream.pick(finishedKeys) : stream.pick(trainingKeys);
    default:
        return stream.pick(menuKeys);
    }
}

// A key press as the X server would deliver it to the game's window; GLUT turns it into a
// keyboard or special-key call once the event loop runs.
void pressKey(KeySym key) {
    Display* display = glXGetCurrentDisplay();
    XEvent event{};
    event.xkey.type = KeyPress;
    event.xkey.display = display;
    event.xkey.window = glXGetCurrentDrawable();
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.x = event.xkey.y = 10;
    event.xkey.same_screen = True;
    event.xkey.keycode = XKeysymToKeycode(display, key);
    XSendEvent(display, event.xkey.window, False, KeyPressMask, &event);
    XSync(display, False); // the event is back in our queue before GLUT reads it
}

std::size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// The lowest and the highest heap in use over the checkpoints of one stretch of steps.
struct HeapStretch {
    std::size_t floor = SIZE_MAX;
    std::size_t peak = 0;
    int lastStep = 0;

    void add(std::size_t heap) {
        floor = std::min(floor, heap);
        peak = std::max(peak, heap);
    }
};

struct GlObjectCount {
    int lists = 0;
    int textures = 0;
    bool operator==(const GlObjectCount& o) const {
        return lists == o.lists && textures == o.textures;
    }
};

GlObjectCount countGlObjects() {
    GlObjectCount count;
    for (GLuint name = 1; name <= highestListChecked; ++name)
        count.lists += glIsList(name) ? 1 : 0;
    for (GLuint name = 1; name <= highestTextureChecked; ++name)
        count.textures += glIsTexture(name) ? 1 : 0;
    return count;
}

// What a run did; two runs of one seed from one start must agree on all of it.
struct SoakRecord {
    std::uint64_t digest = 1469598103934665603ull; // FNV-1a over the screens and keys
    int stepsOn[screenCount] = {};
    int knockOuts = 0;
    int finishedTrainings[3] = {}; // by kind
    int fightsByOpponentAndDecor[4][3] = {};
    int viewMenuEntries = 0;

    void mix(std::uint64_t value) {
        for (int i = 0; i < 8; ++i) {
            digest ^= (value >> (8 * i)) & 0xFF;
            digest *= 1099511628211ull;
        }
    }
};

// Out of full screen by the view menu's entry, if the window is in it, and back to the soak's
// small window as a player would resize it. The change comes with the next events.
bool leaveFullScreen() {
    if (!glutGet(GLUT_FULL_SCREEN))
        return false;
    onViewMenu(fullScreenEntry);
    glutReshapeWindow(soakWindowWidth, soakWindowHeight);
    return true;
}

// The program-lifetime values of the title and the menus, as the program starts with them,
// so that two runs can start alike.
void resetToProgramStart() {
    modeChoice = fightMode;
    modeCursorOffset = 0.0f;
    opponentChoice = radovEze;
    chosenOpponent = 0;
    decorChoice = friendlyDecor;
    trainingChoice = punchBagTraining;
    modeMenuSpin = opponentMenuSpin = decorMenuSpin = trainingMenuSpin = 0;
    opponentModelSpin = 0;
    titleBlinkCounter = 0;
    titleBlinkOn = 1;
    titleSlide = 0.0f;
    titleSlideOut = 1;
    titleRingSpin = 0;
    if (!whiteLightOn)
        onViewMenu(toggleWhiteLightEntry);
    onViewMenu(filledEntry);
    leaveFullScreen();
    enterTitleScreen();
    pumpEvents();
}

// Any GL fault between two frames fails the step it showed up in.
void checkGlBetweenFrames(int step) {
    GLint modelviewDepth = 0;
    GLint projectionDepth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelviewDepth);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
    ASSERT_EQ(modelviewDepth, 1) << "step " << step;
    ASSERT_EQ(projectionDepth, 1) << "step " << step;
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "step " << step;
}

class Soak {
  public:
    explicit Soak(std::uint32_t seed) : stream(seed) {}

    // One step: maybe a key or a view-menu entry, the events (and the frame GLUT owes), then
    // the screen's idle step.
    void step() {
        const ScreenKind screen = currentScreen();
        ++record.stepsOn[static_cast<int>(screen)];
        if (screen == ScreenKind::fight) {
            const int opponent = fightOpponent >= 1 && fightOpponent <= 3 ? fightOpponent : 0;
            ++record.fightsByOpponentAndDecor[opponent][fightDecor == cupDecor ? 2 : 1];
        }
        if (++stepsSinceFullScreen == fullScreenSteps)
            leaveFullScreen();
        const bool finishedBefore = screen == ScreenKind::training && trainingFinished;
        // A key is handled by the screen it was chosen for: it goes in just before GLUT
        // reads its events, never queued behind a screen change.
        if (++stepsSinceDraw == soakDrawEvery) {
            stepsSinceDraw = 0;
            if (stream.chance(200)) {
                chooseViewMenuEntry();
            } else if (!stream.chance(4)) {
                const KeySym key = keyFor(screen, stream);
                record.mix(static_cast<std::uint64_t>(screen) << 32 | key);
                pressKey(key);
            }
            pumpEvents();
        }
        if (const IdleStep idle = installedIdle())
            idle();
        noteEndings(screen, finishedBefore);
    }

    // Until the frame after the window is back to its size.
    bool inFullScreen() const { return stepsSinceFullScreen < fullScreenSteps + 2 * soakDrawEvery; }

    SoakRecord record;

  private:
    void chooseViewMenuEntry() {
        constexpr ViewMenuEntry entries[] = {toggleWhiteLightEntry, wireframeEntry, filledEntry,
                                             fullScreenEntry};
        // Full screen costs the most to draw: one pick in ten.
        const ViewMenuEntry entry = stream.chance(10) ? fullScreenEntry : entries[stream.below(3)];
        record.mix(1000 + entry);
        ++record.viewMenuEntries;
        if (entry == fullScreenEntry)
            pickFullScreen();
        else
            onViewMenu(entry);
    }

    // "Plein ecran" toggles: out of full screen if the stream picks it again before the
    // player leaves.
    void pickFullScreen() {
        if (!leaveFullScreen()) {
            onViewMenu(fullScreenEntry);
            stepsSinceFullScreen = 0;
        }
    }

    void noteEndings(ScreenKind before, bool finishedBefore) {
        const ScreenKind after = currentScreen();
        if (after != before)
            record.mix(static_cast<std::uint64_t>(after));
        if (before == ScreenKind::fight && after == ScreenKind::knockOut)
            ++record.knockOuts;
        if (after == ScreenKind::training && trainingFinished && !finishedBefore &&
            (trainingKind == punchBagTraining || trainingKind == punchingBallTraining))
            ++record.finishedTrainings[trainingKind];
    }

    KeyStream stream;
    int stepsSinceFullScreen = fullScreenSteps + 2 * soakDrawEvery;
    int stepsSinceDraw = 0;
};

int stepsFromEnvironment() {
    const char* text = std::getenv("RUKO_SOAK_STEPS");
    return text ? std::atoi(text) : defaultSoakSteps;
}

std::uint32_t seedFromEnvironment() {
    const char* text = std::getenv("RUKO_SOAK_SEED");
    return text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : defaultSoakSeed;
}

class SoakTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        resetGlState();
        glutReshapeWindow(soakWindowWidth, soakWindowHeight);
        pumpEvents();
        initResources();
        startSound();
        startObjects = countGlObjects();
    }
    static GlObjectCount startObjects;
};

GlObjectCount SoakTest::startObjects;

SoakRecord runShort(std::uint32_t seed, int steps) {
    resetToProgramStart();
    Soak soak(seed);
    for (int i = 0; i < steps; ++i)
        soak.step();
    return soak.record;
}

} // namespace

TEST_F(SoakTest, OneSeedGivesOneRun) {
    constexpr int steps = 3000;
    const SoakRecord first = runShort(7, steps);
    const SoakRecord again = runShort(7, steps);
    const SoakRecord other = runShort(8, steps);
    EXPECT_EQ(first.digest, again.digest);
    EXPECT_EQ(first.knockOuts, again.knockOuts);
    for (int s = 0; s < screenCount; ++s)
        EXPECT_EQ(first.stepsOn[s], again.stepsOn[s]) << screenNames[s];
    EXPECT_NE(first.digest, other.digest);
}

TEST_F(SoakTest, EveryScreenForLongWithoutGrowth) {
    const int steps = stepsFromEnvironment();
    const std::uint32_t seed = seedFromEnvironment();
    ASSERT_GE(steps, warmUpSteps + heapStretchSteps);
    resetToProgramStart();
    Soak soak(seed);
    std::vector<HeapStretch> stretches;
    HeapStretch stretch;
    for (int i = 1; i <= steps; ++i) {
        soak.step();
        if (i % checkpointSteps != 0)
            continue;
        checkGlBetweenFrames(i);
        ASSERT_EQ(countGlObjects(), startObjects) << "GL objects changed by step " << i;
        // The window's buffers grow with it: full screen is left out of the heap's account.
        if (!soak.inFullScreen()) {
            ASSERT_FALSE(glutGet(GLUT_FULL_SCREEN)) << "still full screen by step " << i;
            ASSERT_EQ(windowWidth, soakWindowWidth) << "window not back to its size by step " << i;
            if (i > warmUpSteps)
                stretch.add(heapInUse());
        }
        if (i > warmUpSteps && (i - warmUpSteps) % heapStretchSteps == 0) {
            stretch.lastStep = i;
            stretches.push_back(stretch);
            stretch = HeapStretch{};
            const HeapStretch& first = stretches.front();
            ASSERT_LE(stretches.back().floor, first.floor + heapFloorMargin)
                << "the heap's floor rose by step " << i << " (first stretch's floor "
                << first.floor << ")";
            ASSERT_LE(stretches.back().peak, first.peak + heapPeakMargin)
                << "the heap's peak rose by step " << i << " (first stretch's peak " << first.peak
                << ")";
        }
    }

    const SoakRecord& r = soak.record;
    std::printf("soak: seed %u, %d steps, digest %016llx\n", seed, steps,
                static_cast<unsigned long long>(r.digest));
    for (int s = 0; s < screenCount; ++s)
        std::printf("  %-14s %7d steps\n", screenNames[s], r.stepsOn[s]);
    std::printf("  knock-outs %d, trainings finished %d (bag) %d (ball), view-menu entries %d\n",
                r.knockOuts, r.finishedTrainings[punchBagTraining],
                r.finishedTrainings[punchingBallTraining], r.viewMenuEntries);
    std::printf("  %d display lists and %d textures throughout\n", startObjects.lists,
                startObjects.textures);
    std::printf("  heap in use by stretch of %d steps, floor and peak (MiB; margins +%.1f and "
                "+%.1f over the first):\n",
                heapStretchSteps, heapFloorMargin / mebibyte, heapPeakMargin / mebibyte);
    for (const HeapStretch& h : stretches)
        std::printf("    steps %7d to %7d: %6.2f %6.2f\n", h.lastStep - heapStretchSteps + 1,
                    h.lastStep, h.floor / mebibyte, h.peak / mebibyte);

    EXPECT_EQ(r.stepsOn[static_cast<int>(ScreenKind::other)], 0);
    for (int s = 0; s < screenCount - 1; ++s)
        EXPECT_GT(r.stepsOn[s], 0) << screenNames[s] << " never shown";
    for (int opponent = 1; opponent <= 3; ++opponent) {
        for (int decor = 1; decor <= 2; ++decor)
            EXPECT_GT(r.fightsByOpponentAndDecor[opponent][decor], 0)
                << "no fight of opponent " << opponent << " in decor " << decor;
    }
    EXPECT_GE(r.knockOuts, 3);
    EXPECT_GE(r.finishedTrainings[punchBagTraining], 1);
    EXPECT_GE(r.finishedTrainings[punchingBallTraining], 1);
    EXPECT_GT(r.viewMenuEntries, 0);
}
