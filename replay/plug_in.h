#pragma once

// Where the recordings plug into the game: the sources' judge of the devices' inputs, the
// recorder as the inputs' listener, and the pacer's poll and step hook.

// Plugs them in. The player's keys are those in effect now; with the challenge on (the
// settings or --challenge), the session's seed is chosen here, once.
void plugInSources();

// The poll (the sources' events due before this step, then the pads) and the step hook (the
// demo's start, the checkpoints written and compared), which plugInSources installs.
double pollSources();
void sourcesBeforeStep();
