#include "app/idle_pacing.h"

#include <GL/glut.h>

#include <chrono>
#include <thread>

namespace {

IdleStep currentStep = nullptr;
IdlePacer pacer;

double secondsNow() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

void pacedIdle() {
    const double wait = pacer.waitBefore(secondsNow());
    if (wait > 0.0)
        std::this_thread::sleep_for(std::chrono::duration<double>(wait));
    pacer.stepped(secondsNow());
    if (currentStep)
        currentStep();
}

} // namespace

void installIdle(IdleStep step) {
    currentStep = step;
    glutIdleFunc(step ? pacedIdle : nullptr);
}

IdleStep installedIdle() {
    return currentStep;
}
