#pragma once

// The title's demo: after 30 s on the title with no input, the game plays the recording
// Data/demo.replay (made by playing: the menus, then a fight in the cup hall to the
// knock-out) from the state the game starts in, softly, under a DEMO mark. Any key, pad press,
// click or menu entry ends it, and the title comes back as it was; so does the demo's end.

inline constexpr int demoAfterSteps = 30 * 60;
inline constexpr char demoPath[] = "Data/demo.replay";

// Title steps since the last input: the title's idle counts them, every input sets it to 0.
extern int titleStepsUntouched;

// Reads the demo and keeps the game's state as it starts: before the title is first entered.
// A missing or bad file is said in one line, and the title plays no demo.
void loadDemo();

// The title's idle, every step: starts the demo when its time has come.
void countTitleStep();

bool demoPlaying();

// The title back as it was when the demo started.
void endDemo();

// The pacer's poll and step hook call these.
void playDemoEvents();
void checkDemoStep();
