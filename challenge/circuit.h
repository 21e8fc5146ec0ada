#pragma once

#include "challenge/challenge_state.h"

// The circuit: the three opponents in order, Radov Eze then Radov Eze Black in the club, then
// Dida Vud in the cup hall for the title. Beating one opens the next; a loss lets the player
// try again. A climb won makes the player champion, a title kept whatever follows; the next
// climb starts from the first opponent.

inline constexpr int circuitOpponents = 3;

struct CircuitProgress {
    int beaten; // opponents beaten in this climb, 0 to 3: 3 once the title is won
    int wins;   // this climb's fights won and lost (a forfeit or a draw is no win)
    int losses;
    int climbSteps;     // this climb's fight steps, from each first bell, losses included
    int titles;         // climbs won
    int bestTitleSteps; // the fastest climb won, in steps; 0 for none
    int lastTitleSteps; // the last climb won: its time and its fights, for the champion's screen
    int lastTitleFights;
};

inline constexpr int mostCircuitCount = 999999;
inline constexpr int mostCircuitSteps = 100 * 60 * 60 * 60; // a hundred hours of fights

// The opponent met in the circuit, 1 to 3, for `beaten` opponents beaten (the first again once
// all three are), and its decor: the club for the first two, the cup hall for the title.
int circuitOpponent(const CircuitProgress& progress);
int circuitDecor(int opponent);
bool circuitChampion(const CircuitProgress& progress); // a title ever won

// A fight's outcome against `opponent` applied to the progress: a win over the opponent met
// opens the next (a title when it is the last), a loss is counted; the climb's time grows by
// the fight's steps. A climb won and then fought again starts afresh. Returns true when this
// fight won the title.
bool addCircuitOutcome(CircuitProgress& progress, int opponent, const ChallengeOutcome& outcome);

// The progress in effect: the player's (the state folder's circuit.txt, read again at each
// entry of the circuit, readCircuitProgress) or a recording's while it drives.
extern CircuitProgress circuitProgress;

// A fight started from the circuit's ladder: its end goes back to the ladder. Reset by a fight
// started from the menus.
extern Flag circuitFight;

// The last circuit fight won the title: leaving it goes to the champion's screen.
extern Flag circuitTitleWon;
