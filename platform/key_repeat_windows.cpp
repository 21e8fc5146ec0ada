#include "platform/platform.h"

// Windows sends a held key's repeats as key-downs alone (WM_KEYDOWN, WM_CHAR), its key-up at
// the release only: nothing to ask.
void detectKeyRepeats() {}
