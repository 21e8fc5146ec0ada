#include "input/inputs.h"

#include "app/screen.h"
#include "input/demo.h"
#include "input/keys.h"
#include "input/pads.h"
#include "input/playback.h"
#include "input/recorder.h"
#include "menus/view_menu.h"

#include <GL/glut.h>

#include <algorithm>

namespace {

ReplayEvent eventOf(ReplayEventKind kind, int value = 0, int height = 0) {
    ReplayEvent event;
    event.kind = kind;
    event.value = value;
    event.height = height;
    return event;
}

bool isPress(const ReplayEvent& event) {
    return event.kind == ReplayEventKind::key || event.kind == ReplayEventKind::menu ||
           event.kind == ReplayEventKind::click || event.kind == ReplayEventKind::pad;
}

// The entries about the window alone, which change nothing of the game.
bool windowEntry(int entry) {
    return entry == fullScreenEntry || entry == quitEntry;
}

void sendKey(KeyCode key) {
    if (key < specialKeyBase) {
        if (KeyboardHandler keyboard = screenKeyboard())
            keyboard(static_cast<unsigned char>(key), 0, 0);
    } else if (SpecialHandler special = screenSpecial()) {
        special(key - specialKeyBase, 0, 0);
    }
}

// The event reaches the game: recorded (the demo's are its own), then carried out.
void apply(const ReplayEvent& event, InputSource source) {
    if (source != InputSource::demo)
        recordInput(event);
    if (isPress(event))
        titleStepsUntouched = 0;
    switch (event.kind) {
    case ReplayEventKind::keys:
        std::copy(event.keys.begin(), event.keys.end(), settingsInEffect.keys);
        break;
    case ReplayEventKind::key:
        sendKey(event.value);
        break;
    case ReplayEventKind::menu:
        onViewMenu(event.value);
        break;
    case ReplayEventKind::hidden:
    case ReplayEventKind::shown:
        if (auto visibility = screenVisibility())
            visibility(event.kind == ReplayEventKind::shown ? GLUT_VISIBLE : GLUT_NOT_VISIBLE);
        break;
    case ReplayEventKind::size:
        if (auto reshape = screenReshape())
            reshape(event.value, event.height);
        break;
    default:
        break;
    }
}

} // namespace

void playInput(const ReplayEvent& event, InputSource source) {
    const bool window = event.kind == ReplayEventKind::hidden ||
                        event.kind == ReplayEventKind::shown || event.kind == ReplayEventKind::size;
    if (source == InputSource::player && replayPlaying() && !window) {
        // The recording plays; the player only takes it back, or acts on the window.
        if (event.kind == ReplayEventKind::key && event.value == escapeKey)
            leaveReplay();
        else if (event.kind == ReplayEventKind::menu && windowEntry(event.value))
            onViewMenu(event.value);
        return;
    }
    if (source != InputSource::player &&
        (event.kind == ReplayEventKind::size ||
         (event.kind == ReplayEventKind::menu && event.value == fullScreenEntry)))
        return; // the window is the viewer's
    if (source != InputSource::demo && demoPlaying() && isPress(event)) {
        endDemo(); // and nothing more: the press only ends it, but for the window's entries
        if (event.kind == ReplayEventKind::menu && windowEntry(event.value))
            apply(event, source);
        else
            recordInput(event);
        return;
    }
    apply(event, source);
}

void keyboardInput(unsigned char key, int, int) {
    playInput(eventOf(ReplayEventKind::key, key), InputSource::player);
}

void specialInput(int key, int, int) {
    playInput(eventOf(ReplayEventKind::key, specialKeyBase + key), InputSource::player);
}

void mouseInput(int, int state, int, int) {
    if (state == GLUT_DOWN)
        playInput(eventOf(ReplayEventKind::click), InputSource::player);
}

void menuInput(int entry) {
    playInput(eventOf(ReplayEventKind::menu, entry), InputSource::player);
}

void visibilityInput(int state) {
    playInput(eventOf(state == GLUT_VISIBLE ? ReplayEventKind::shown : ReplayEventKind::hidden),
              InputSource::player);
}

void reshapeInput(int width, int height) {
    playInput(eventOf(ReplayEventKind::size, width, height), InputSource::player);
}

void padInput(KeyCode key) {
    playInput(key ? eventOf(ReplayEventKind::key, key) : eventOf(ReplayEventKind::pad),
              InputSource::player);
}

double pollInputs() {
    playReplayEvents();
    playDemoEvents();
    const double padsAgain = pollPads();
    return replayPlaying() || demoPlaying() ? 0.0 : padsAgain;
}

void beforeStep() {
    recordCheckpoint();
    checkReplayStep();
    checkDemoStep();
}
