#pragma once

// The one window of the program and the values every screen reads.

inline constexpr int startWindowWidth = 640;
inline constexpr int startWindowHeight = 480;
inline constexpr char windowTitle[] = "RUKO";

extern int windowId;
extern int windowWidth; // rewritten by every reshape, read by every display to place text
extern int windowHeight;
extern unsigned char whiteLightOn; // the view menu's light switch
extern float piConstant;           // pi in single precision, read by the limb drawing

// glutInit, display mode, size, position and the window itself; sets the size globals.
void openGameWindow(int* argc, char** argv);
