#include "platform/platform.h"

#include <windows.h>

bool gameWindowFocused() {
    const HDC context = wglGetCurrentDC();
    return context && GetForegroundWindow() == WindowFromDC(context);
}
