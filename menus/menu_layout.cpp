#include "menus/menu_layout.h"

#include "app/screen.h"
#include "app/window.h"
#include "models/palette.h"
#include "scene/list_numbers.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"

#include <cstring>

#include <GL/glut.h>

void printMenuText(const MenuText& text) {
    setFontSize(text.size);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(text.colour.red, text.colour.green, text.colour.blue);
    printText(menuTextX(text, textAreaWidth()), menuTextY(text, textAreaHeight()),
              text.italic ? "\\i+%s\\i-" : "%s", word(text.word));
}

int menuTextX(const MenuText& text, int width) {
    if (text.place == MenuPlace::underFightEntry)
        return menuTextX(combatEntry, width) + text.nudge;
    const int length = static_cast<int>(std::strlen(word(text.word)));
    return centredTextX(width, length, text.size) + text.nudge;
}

void setArrowMaterial() {
    applyMaterial(redMaterial, usualShininess);
}

void setPreviewMaterial() {
    applyMaterial(whiteMaterial, usualShininess);
}

void drawMenuArrowPair(int spin) {
    glPushMatrix();
    {
        glTranslatef(-2.5f, -1.5f, -9.0f);
        glRotatef(static_cast<float>(spin), 1.0f, 0.0f, 0.0f);
        setArrowMaterial();
        glCallList(leftArrowList);
        glTranslatef(5.0f, 0.0f, 0.0f);
        glCallList(rightArrowList);
    }
    glPopMatrix();
}

void beginMenuFrame(const float* lightPosition) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
}

void endMenuFrame() {
    glPopMatrix();
    finishFrame();
}
