#include "bench/screen_frames.h"

#include "app/idle_pacing.h"
#include "game/champion_screen.h"
#include "game/fight_screen.h"
#include "game/knockout.h"
#include "game/state.h"
#include "game/training_screen.h"
#include "menus/menus.h"

#include <GL/freeglut.h>

#include <chrono>
#include <thread>

namespace {

constexpr int warmUpFrames = 10;

void clearAndSwap() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

void enterBareFrame() {
    enterTitleScreen(); // the title's GL state, then nothing but a clear and a swap
    glutDisplayFunc(clearAndSwap);
    installIdle(nullptr);
}

// The knock-out view as the fight reaches it: one tick above 40 points.
void enterKnockOut(int decor) {
    enterFightScreen(radovEze, decor);
    fightPoints = knockOutPoints + 1;
    fightIdle();
}

const std::vector<BenchScreen> everyScreen = {
    {"bare clear and swap", enterBareFrame},
    {"title", enterTitleScreen},
    {"mode menu", enterModeMenu},
    {"opponent menu", enterOpponentMenu},
    {"decor menu", [] { enterDecorMenu(radovEze); }},
    {"training menu", enterTrainingMenu},
    {"fight, Radov Eze, Amical", [] { enterFightScreen(radovEze, friendlyDecor); }},
    {"fight, Radov Eze Black, Amical", [] { enterFightScreen(radovEzeBlack, friendlyDecor); }},
    {"fight, Dida Vud, Amical", [] { enterFightScreen(didaVud, friendlyDecor); }},
    {"fight, Radov Eze, Coupe Tavelin", [] { enterFightScreen(radovEze, cupDecor); }},
    {"fight, Radov Eze Black, Coupe Tavelin", [] { enterFightScreen(radovEzeBlack, cupDecor); }},
    {"fight, Dida Vud, Coupe Tavelin", [] { enterFightScreen(didaVud, cupDecor); }},
    {"knock-out, Amical", [] { enterKnockOut(friendlyDecor); }},
    {"knock-out, Coupe Tavelin", [] { enterKnockOut(cupDecor); }},
    {"training, Sac de Frappe", [] { enterTrainingScreen(punchBagTraining); }},
    {"training, Punching Ball", [] { enterTrainingScreen(punchingBallTraining); }},
    {"circuit ladder", enterLadderScreen},
    {"champion's screen", enterChampionScreen},
};

// Frames back to back, or each started `gap` after the one before by a plain sleep.
double framesPerSecond(double seconds, std::chrono::steady_clock::duration gap = {}) {
    using Clock = std::chrono::steady_clock;
    for (int i = 0; i < warmUpFrames; ++i)
        gameFrame();
    const Clock::time_point start = Clock::now();
    Clock::time_point next = start;
    long frames = 0;
    double elapsed = 0.0;
    do {
        gameFrame();
        ++frames;
        if (gap.count() > 0)
            std::this_thread::sleep_until(next += gap);
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    } while (elapsed < seconds);
    return static_cast<double>(frames) / elapsed;
}

} // namespace

const std::vector<BenchScreen>& benchScreens() {
    return everyScreen;
}

void gameFrame() {
    if (const IdleStep idle = installedIdle())
        idle();
    glutPostRedisplay();
    glutMainLoopEvent();
}

std::vector<ScreenFrameRate> measureEveryScreen(double secondsEach) {
    std::vector<ScreenFrameRate> rates;
    for (const BenchScreen& screen : benchScreens())
        rates.push_back({screen.name, unpacedFramesPerSecond(screen.enter, secondsEach)});
    return rates;
}

double unpacedFramesPerSecond(void (*enter)(), double seconds) {
    enter();
    return framesPerSecond(seconds);
}

double sleepPacedFramesPerSecond(void (*enter)(), double seconds) {
    enter();
    return framesPerSecond(seconds, std::chrono::microseconds(16667));
}
