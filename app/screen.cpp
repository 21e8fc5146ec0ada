#include "app/screen.h"

#include "app/window.h"
#include "input/inputs.h"
#include "input/pads.h"
#include "platform/platform.h"
#include "sound/sound.h"

#include <GL/glu.h>
#include <GL/glut.h>

namespace {

IdleStep currentScreenIdle = nullptr;
KeyboardHandler currentKeyboard = nullptr;
SpecialHandler currentSpecial = nullptr;
PadLayout currentPadLayout = PadLayout::title;
void (*currentVisibility)(int) = nullptr;
const char* currentName = "";
void (*frameOverlay)() = nullptr;
bool shown = true;

} // namespace

void registerScreenCallbacks(const ScreenCallbacks& callbacks) {
    currentScreenIdle = callbacks.idle;
    currentKeyboard = callbacks.keyboard;
    currentSpecial = callbacks.special;
    currentPadLayout = callbacks.padLayout;
    setPadLayout(callbacks.padLayout);
    currentVisibility = callbacks.visibility;
    currentName = callbacks.name ? callbacks.name : "";
    glutDisplayFunc(callbacks.display);
    installIdle(callbacks.idle);
    glutKeyboardFunc(callbacks.keyboard ? keyboardDown : nullptr);
    glutSpecialFunc(callbacks.special ? specialDown : nullptr);
    glutVisibilityFunc(callbacks.visibility ? visibilityInput : nullptr);
    glutReshapeFunc(callbacks.reshape);
}

void finishFrame() {
    if (frameOverlay)
        frameOverlay();
    glutSwapBuffers();
}

void setFrameOverlay(void (*overlay)()) {
    frameOverlay = overlay;
}

void setScreenGlState(float red, float green, float blue, float alpha) {
    glClearColor(red, green, blue, alpha);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glDepthFunc(GL_LEQUAL);
}

void setScreenProjection(double fieldOfView, double aspect) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfView, aspect, screenNearPlane, screenFarPlane);
    glMatrixMode(GL_MODELVIEW);
}

void setScreenLight(const ScreenLight& light) {
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    glLightfv(GL_LIGHT0, GL_POSITION, light.position);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, light.diffuse);
    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 0.1f);
    glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0.05f);
    glEnable(GL_LIGHT0);
    glLineWidth(2.0f);
}

double windowAspect() {
    return static_cast<double>(windowWidth) / static_cast<double>(windowHeight);
}

void reshapeScreen(int width, int height, double fieldOfView) {
    if (height == 0)
        height = 1;
    windowWidth = width;
    windowHeight = height;
    glViewport(0, 0, width, height);
    setScreenProjection(fieldOfView, static_cast<double>(width) / height);
}

void reshapeScreen30(int width, int height) {
    reshapeScreen(width, height, 30.0);
}
void reshapeScreen45(int width, int height) {
    reshapeScreen(width, height, 45.0);
}
void reshapeScreen60(int width, int height) {
    reshapeScreen(width, height, 60.0);
}

void onScreenVisibility(int state, VisibilityMessages messages) {
    shown = state == GLUT_VISIBLE;
    setPadsWindowShown(shown);
    if (shown) {
        if (messages == VisibilityMessages::VisibleAndHidden)
            printTextLine(visibleMessage);
        installIdle(currentScreenIdle);
        resumeCrowdMurmur();
    } else {
        if (messages != VisibilityMessages::None)
            printTextLine(hiddenMessage);
        installIdle(nullptr);
        pauseCrowdMurmur();
        stopPadRumbles();
    }
}

void onMenuVisibility(int state) {
    onScreenVisibility(state, VisibilityMessages::VisibleAndHidden);
}
void onTitleVisibility(int state) {
    onScreenVisibility(state, VisibilityMessages::HiddenOnly);
}
void onTrainingVisibility(int state) {
    onScreenVisibility(state, VisibilityMessages::None);
}

void setScreenIdle(IdleStep step) {
    currentScreenIdle = step;
    installIdle(step);
}

IdleStep screenIdle() {
    return currentScreenIdle;
}

KeyboardHandler screenKeyboard() {
    return currentKeyboard;
}

SpecialHandler screenSpecial() {
    return currentSpecial;
}

PadLayout screenPadLayout() {
    return currentPadLayout;
}

void replaceScreenControls(SpecialHandler special, PadLayout padLayout) {
    currentSpecial = special;
    currentPadLayout = padLayout;
    setPadLayout(padLayout);
    glutSpecialFunc(special ? specialDown : nullptr);
}

void (*screenVisibility())(int state) {
    return currentVisibility;
}

const char* screenName() {
    return currentName;
}

bool screenShown() {
    return shown;
}
