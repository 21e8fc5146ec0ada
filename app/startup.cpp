#include "app/startup.h"

#include "app/window.h"
#include "models/palette.h"

#include <GL/gl.h>

void initResources() {
    piConstant = 3.14159274f;
    fillMaterialPalette();
    glPushMatrix();
    glPopMatrix();
}
