#include "platform/platform.h"

#include <GL/glx.h>
#include <X11/XKBlib.h>

// Without it the server sends each repeat as a release and a press, and freeglut's own way to
// drop them (glutIgnoreKeyRepeat) asks whether the key is still down when it reads the
// release, not when it came: with slow frames it lets the last repeats through and takes a
// quick second tap for one.
void detectKeyRepeats() {
    if (Display* display = glXGetCurrentDisplay()) {
        Bool supported = False;
        XkbSetDetectableAutoRepeat(display, True, &supported);
    }
}
