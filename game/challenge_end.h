#pragma once

#include <string>

// The end of a fight with the challenge on, told once: who won, how, in which round and after
// how long, in one line on standard output (in French, as the game's other lines), and kept in
// the player's records.

// The line for the outcome in effect, in ISO 8859-1.
std::string challengeEndLine();

// Prints it and counts the fight in the records; called once, at the step the fight ends.
void announceChallengeEnd();
