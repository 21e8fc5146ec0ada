#include "game/fight_scene.h"

#include "game/state.h"
#include "scene/club_room.h"
#include "scene/cup_hall.h"
#include "scene/list_numbers.h"
#include "scene/rings.h"
#include "scene/room_pieces.h"

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
    // In the wireframe view every line shows, as the whole lists draw them.
    if (!facesFilled()) {
        glCallList(decor == cupDecor ? cupRingList : friendlyRingList);
        glCallList(decor == cupDecor ? cupHallList : clubRoomList);
        return;
    }
    // From over the mat, as the fight and the knock-out look, the mat hides the platform's top
    // and the floor under the ring: they are left out rather than rasterized for nothing.
    const bool overMat = eyeOver(ringHalfSide, ringMatHeight);
    if (decor == cupDecor) {
        glCallList(overMat ? cupRingOverMatList : cupRingList);
        drawCupHallSeen(overMat);
    } else {
        glCallList(overMat ? friendlyRingOverMatList : friendlyRingList);
        drawClubRoomSeen(overMat);
    }
}
