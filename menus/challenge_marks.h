#pragma once

#include <string>

// What the title and the menus show with the challenge on, and nothing with it off: its mark
// in the bottom-left corner, so that the player knows which fight waits; and, in the opponent
// and decor menus, the player's records against the opponent shown, on the left under the
// heading, in green.

// The mark, a short word in the heading's yellow and italic, smaller.
void printChallengeMark();

// The wins, losses, draws and fastest knock-out against the opponent in the decor (0: both).
void printChallengeRecords(int opponent, int decor);

// A knock-out's time as the records show it: m:ss from steps of 1/60 s, the seconds begun
// not counted; "-" for none (0).
std::string knockOutTime(int steps);
