#include "game/pause.h"

#include "app/window.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/words.h"

#include <cstring>

Flag gamePaused = 0;

bool pauseTakes(Action action, bool pausable) {
    if (action == Action::pause) {
        gamePaused = pausable && !gamePaused;
        return true;
    }
    return gamePaused != 0;
}

void printPauseWord() {
    if (!gamePaused)
        return;
    constexpr int size = 30;
    const char* text = word(Word::paused);
    setFontSize(size);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(1.0f, 1.0f, 0.0f);
    printText(centredTextX(textAreaWidth(), static_cast<int>(std::strlen(text)), size),
              textAreaHeight() / 2, "%s", text);
}
