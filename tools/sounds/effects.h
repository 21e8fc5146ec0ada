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

// The fight where the opponent boxes back.
Samples makeOpponentBlow(); // the opponent's glove on the player: lower and heavier than the thud
Samples makeGuardBlock();   // a blow taken on the gloves: a padded, bright smack
Samples makeRefereeCount(); // one count of a knock-down: a short wooden knock
Samples makeCrowdRoar();    // the crowd at a knock-down: a roar swelling for a second
