#pragma once

// The title's demo: after 30 s on the title with no press, the game plays the recording
// Data/demo.replay (made by playing: the menus, then a fight in the cup hall to the
// knock-out) from the state the game starts in, in the filled view with the white light,
// softly, under a DEMO mark. Any press ends it, and the title comes back as it was, view and
// all; so does the demo's end.

inline constexpr int demoAfterSteps = 30 * 60;
inline constexpr char demoPath[] = "Data/demo.replay";

// Reads the demo and keeps the game's state as it starts: before the title is first entered.
// A missing or bad file is said in one line, and the title plays no demo.
void loadDemo();

// Right before a step: starts the demo when the title has waited long enough.
void startDemoWhenDue();

// The title back as it was when the demo started.
void endDemo();

// The pacer's poll and step hook call these.
void playDemoEvents();
void checkDemoStep();
