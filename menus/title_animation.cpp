#include "menus/title_animation.h"

int titleBlinkCounter = 0;
Flag titleBlinkOn = 0;
float titleSlide = 0.0f;
Flag titleSlideOut = 1;
int titleRingSpin = 0;
int titleStepsUntouched = 0;

namespace {

void advanceBlink() {
    if (titleBlinkCounter == titleBlinkSteps) {
        titleBlinkOn = !titleBlinkOn;
        titleBlinkCounter = 0;
    } else {
        ++titleBlinkCounter;
    }
}

// The step that finds a limit only turns the direction; the step is added in double and
// stored back as a float, which sets where the letters turn.
void advanceSway() {
    if (titleSlideOut) {
        if (titleSlide > titleSlideLimit)
            titleSlideOut = 0;
        else
            titleSlide = static_cast<float>(titleSlide + titleSlideStep);
    } else {
        if (titleSlide >= 0.0f)
            titleSlide = static_cast<float>(titleSlide - titleSlideStep);
        else
            titleSlideOut = 1;
    }
}

} // namespace

void advanceTitleAnimation() {
    advanceBlink();
    advanceSway();
    titleRingSpin = (titleRingSpin + titleRingStep) % 360;
}
