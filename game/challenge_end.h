#pragma once

#include <string>

// The end of a fight with the challenge on, told once: who won, how, in which round and after
// how long, in one line on standard output (in French, as the game's other lines), and kept in
// the player's records.

// The line for the outcome in effect, in ISO 8859-1.
std::string challengeEndLine();

// Prints it and counts the fight in the records; called once, at the step the fight ends.
void announceChallengeEnd();

// The player leaving a challenge fight before its end (Escape, a pad's Back): a loss by forfeit,
// announced and kept like the other ends. Nothing once the fight is over.
void leaveChallengeFight();

// From the first challenge fight on, the game quitting in the middle of one (the view menu's
// Quit, the window closed) is the same forfeit; only for the player's own fights, those the
// records would count: a recording or the demo that quits leaves output and records alone.
void forfeitChallengeOnQuit();
