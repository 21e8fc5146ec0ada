#pragma once

// ruko --write-settings: the settings file made with the usual keys and volume, for the player
// to change, only where there is none (an existing one is never touched), its folder made too.
// Says where on stdout. Returns the exit status: 0, or 1 when it is not written.
int writeNewSettingsFile();
