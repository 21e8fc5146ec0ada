#pragma once

#include <string>

// The one window of the program and the values every screen reads.

inline constexpr int startWindowWidth = 640;
inline constexpr int startWindowHeight = 480;
inline constexpr char windowTitle[] = "RUKO";

extern int windowId;
extern int windowWidth; // rewritten by every reshape, read by every display to place text
extern int windowHeight;
extern unsigned char whiteLightOn; // the view menu's light switch
extern float piConstant;           // pi in single precision, read by the limb drawing

// The window as it opened, 640x480 at 0,0 unless -geometry said otherwise: where leaving full
// screen goes back to.
extern int openedWidth, openedHeight, openedX, openedY;

// The window -geometry asks for, as X11 reads it: [=][WxH][{+-}X{+-}Y], 640x480 at 0,0 for what
// it does not give. An offset after - counts from the screen's right or bottom edge to the
// window's.
struct WindowGeometry {
    int width = startWindowWidth;
    int height = startWindowHeight;
    int x = 0;
    int y = 0;
    bool fromRight = false;
    bool fromBottom = false;
};
extern WindowGeometry askedGeometry;
extern std::string displayName; // -display's value (left for glutInit too), else empty

// glutInit, display mode, size, position and the window itself, as -geometry asked; sets the
// size globals. Without a display it says so and ends the program with status 2.
void openGameWindow(int* argc, char** argv);

// The window in text units (text/print_text.h), where the screens place their texts: 640x480
// in the 640x480 window, and in one twice as large.
int textAreaWidth();
int textAreaHeight();
