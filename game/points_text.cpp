#include "game/points_text.h"

#include "app/window.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/words.h"

void printPointCount(int points) {
    setFontSize(20);
    enableTextShadow();
    setShadowColor3f(0.0f, 0.0f, 0.0f);
    setTextColor3f(1.0f, 1.0f, 0.0f);
    printText(1, textAreaHeight() - 20, "%s = %d", word(Word::points), points);
}
