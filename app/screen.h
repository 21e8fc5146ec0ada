#pragma once

#include "app/idle_pacing.h"
#include "input/screen_layouts.h"

// A screen is its six GLUT callbacks plus the GL state, projection and light that its enter
// function sets. There is no screen object: entering a screen replaces every callback.

using KeyboardHandler = void (*)(unsigned char key, int x, int y);
using SpecialHandler = void (*)(int key, int x, int y);

struct ScreenCallbacks {
    void (*display)();
    IdleStep idle;
    KeyboardHandler keyboard;
    SpecialHandler special; // nullptr removes the arrow handler
    void (*visibility)(int state);
    void (*reshape)(int width, int height);
    PadLayout padLayout;
    const char* name; // in recordings' checkpoints
};

struct ScreenLight {
    float position[4];
    float diffuse[4];
};

// Light of the title screen and of the menus: directional, from above and the viewer's side.
inline constexpr ScreenLight menuLight{{0.0f, 6.0f, 9.0f, 0.0f}, {1.0f, 1.0f, 1.0f, 1.0f}};

// Near plane: the float 0.1 widened to double, as every screen has always used.
inline constexpr double screenNearPlane = static_cast<double>(0.1f);
inline constexpr double screenFarPlane = 100.0;

// Step 1 of every enter function: the six callbacks, in the order GLUT receives them. Inputs
// and window events reach them through input/inputs.h, which records them.
void registerScreenCallbacks(const ScreenCallbacks& callbacks);

// The end of every frame: what is drawn over every screen (the demo's mark), then the swap.
void finishFrame();
void setFrameOverlay(void (*overlay)());

// Step 2: clear colour, depth test, smooth shading, back-face culling, lighting.
void setScreenGlState(float red, float green, float blue, float alpha);

// Step 3: perspective projection, then back to the model-view matrix.
void setScreenProjection(double fieldOfView, double aspect);

// Step 4: local viewer, GL_LIGHT0 from the screen's light with its attenuation, line width 2.
void setScreenLight(const ScreenLight& light);

// The window's aspect as the screens compute it.
double windowAspect();

// The common reshape in its three fields of view. A height of 0 counts as 1.
void reshapeScreen(int width, int height, double fieldOfView);
void reshapeScreen30(int width, int height);
void reshapeScreen45(int width, int height);
void reshapeScreen60(int width, int height);

// The common visibility rule: install the screen's idle when visible, none when hidden.
// The three variants differ only in what they print.
enum class VisibilityMessages { VisibleAndHidden, HiddenOnly, None };
void onScreenVisibility(int state, VisibilityMessages messages);
void onMenuVisibility(int state);     // ModeMenu, OpponentMenu, DecorMenu, TrainingMenu, fight
void onTitleVisibility(int state);    // prints only when hidden
void onTrainingVisibility(int state); // prints nothing

// The idle step the visibility callback installs: the one registered last, or set since
// (the knock-out replaces the fight's).
void setScreenIdle(IdleStep step);
IdleStep screenIdle();

// The keyboard handlers installed now and the pads' layout, through which pads play: what a
// pad does is what the key does. The knock-out view replaces the fight's arrows (by none) and
// its layout.
KeyboardHandler screenKeyboard();
SpecialHandler screenSpecial();
PadLayout screenPadLayout();
void (*screenVisibility())(int state);
const char* screenName();
void replaceScreenControls(SpecialHandler special, PadLayout padLayout);

// Whether the window is shown, by the last visibility change: hidden, the game stands still
// and pads do nothing, as keys cannot reach it.
bool screenShown();

// The visibility lines, ISO 8859-1 ("\xEA" is the e with circumflex), printed in the
// terminal's encoding.
inline constexpr char visibleMessage[] = "Fen\xEAtre graphique visible";
inline constexpr char hiddenMessage[] = "Fen\xEAtre graphique invisible";
