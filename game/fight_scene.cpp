#include "game/fight_scene.h"

#include "game/state.h"
#include "scene/list_numbers.h"

#include <GL/gl.h>

namespace {

constexpr float cupConstantAttenuation = 0.1f;
constexpr float cupLinearAttenuation = 0.05f;
constexpr float cupSpotCutoff = 50.0f;
constexpr float clubConstantAttenuation = 0.001f;
constexpr float clubLinearAttenuation = 0.01f;

} // namespace

void setUpDecorLight(int decor) {
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    if (decor == cupDecor) {
        glLightfv(GL_LIGHT1, GL_POSITION, cupLight.position);
        glLightfv(GL_LIGHT1, GL_DIFFUSE, cupLight.diffuse);
        glLightf(GL_LIGHT1, GL_CONSTANT_ATTENUATION, cupConstantAttenuation);
        glLightf(GL_LIGHT1, GL_LINEAR_ATTENUATION, cupLinearAttenuation);
        glLightfv(GL_LIGHT1, GL_SPOT_DIRECTION, cupSpotDirection);
        glLightf(GL_LIGHT1, GL_SPOT_CUTOFF, cupSpotCutoff);
        glEnable(GL_LIGHT1);
    } else {
        glLightfv(GL_LIGHT2, GL_POSITION, clubLight.position);
        glLightfv(GL_LIGHT2, GL_DIFFUSE, clubLight.diffuse);
        glLightf(GL_LIGHT2, GL_CONSTANT_ATTENUATION, clubConstantAttenuation);
        glLightf(GL_LIGHT2, GL_LINEAR_ATTENUATION, clubLinearAttenuation);
        glEnable(GL_LIGHT2);
    }
}

void placeDecorLight(int decor) {
    if (decor == cupDecor) {
        glLightfv(GL_LIGHT1, GL_POSITION, cupLight.position);
        glLightfv(GL_LIGHT1, GL_SPOT_DIRECTION, cupSpotDirection);
    } else {
        glLightfv(GL_LIGHT2, GL_POSITION, clubLight.position);
    }
}

void switchOffDecorLight(int decor) {
    glDisable(decor == cupDecor ? GL_LIGHT1 : GL_LIGHT2);
}

void drawDecorScenery(int decor) {
    if (decor == cupDecor) {
        glCallList(cupRingList);
        glCallList(cupHallList);
    } else {
        glCallList(friendlyRingList);
        glCallList(clubRoomList);
    }
}
