#include "platform/platform.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

bool gameWindowFocused() {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (!display || window == None)
        return false;
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    const Window root = DefaultRootWindow(display);
    if (focus == static_cast<Window>(PointerRoot) || focus == root) {
        // No window manager gave the focus to a window: the keys go to the top window under
        // the pointer.
        Window pointerRoot = None;
        int rootX = 0, rootY = 0, x = 0, y = 0;
        unsigned buttons = 0;
        XQueryPointer(display, root, &pointerRoot, &focus, &rootX, &rootY, &x, &y, &buttons);
    }
    return focus == window;
}
