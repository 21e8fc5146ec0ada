#pragma once

// The challenge's events (ChallengeEvent bits) made into sounds and rumbles, and the end's
// line told once.
void playChallengeEvents(unsigned events);
