#pragma once

#include <string>
#include <vector>

// Frames per second of each screen's display, drawn in the game's window as GLUT draws them:
// the screen's idle step, a redisplay request, GLUT's event pass (which calls the display).

struct BenchScreen {
    const char* name;
    void (*enter)();
};

// Every screen measured, the bare clear-and-swap frame first.
const std::vector<BenchScreen>& benchScreens();

// One frame as the game makes it, without the 60-a-second pacing.
void gameFrame();

struct ScreenFrameRate {
    std::string screen;
    double framesPerSecond;
};

// Needs the game's window and its resources. The first row is the bare clear-and-swap frame
// every other row is compared with.
std::vector<ScreenFrameRate> measureEveryScreen(double secondsEach);

// One screen, entered by `enter`, after a few frames of warm-up.
double unpacedFramesPerSecond(void (*enter)(), double seconds);

// The same with the frames 1/60 s apart, spaced by a plain sleep: what a pacer costing nothing
// of its own would give.
double sleepPacedFramesPerSecond(void (*enter)(), double seconds);
