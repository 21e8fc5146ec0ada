#pragma once

#include "tools/sounds/synth.h"

// The game's sound effects, each made from noise and sine partials.

Samples makePunchSwish();    // a glove cutting the air
Samples makePunchThud();     // a glove landing on leather: a low, dull body
Samples makeBallSlap();      // a glove on the light punching ball: shorter and higher
Samples makeBell();          // the ring's bell struck once
Samples makeKnockOutBells(); // three quick strokes, left ringing
Samples makeCrowdMurmur();   // the cup hall's crowd talking, a seamless loop
Samples makeCrowdCheer();    // the crowd rising at the knock-out
Samples makeMenuTick();      // the selection moves
Samples makeMenuConfirm();   // Enter: two soft notes going up
