#pragma once

// The champion's screen, after the circuit's title fight is won: the cup hall seen from a
// camera turning slowly round the ring, the cup turning on the mat, the crowd cheering, and
// the climb's time and fights with the best time. Enter or Escape goes to the title screen.

void enterChampionScreen();

void championDisplay();
void championIdle();
void championKeyboard(unsigned char key, int x, int y);

// Steps since the screen was entered, 0 to championCycle - 1: the cup's turn (a degree a step),
// the camera's (a quarter of one) and the prompt's blink (half a second on, half off) all follow
// from it, and the cycle ends where they all start again.
extern int championStep;
inline constexpr int championCycle = 1440;
