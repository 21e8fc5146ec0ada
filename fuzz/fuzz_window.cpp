#include "fuzz/fuzz_window.h"

#include "text/bitmap_font.h"

#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>

void openFuzzWindow() {
    int argc = 1;
    char name[] = "ruko_fuzz";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_ALPHA | GLUT_DEPTH);
    glutInitWindowSize(fuzzWindowWidth, fuzzWindowHeight);
    glutCreateWindow("RUKO fuzz");
    if (loadFont(RUKO_FONT_PATH) != 1) {
        std::fprintf(stderr, "cannot load the font %s\n", RUKO_FONT_PATH);
        std::abort();
    }
    glViewport(0, 0, fuzzWindowWidth, fuzzWindowHeight);
}

void abortOnGlError(const char* what) {
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        std::fprintf(stderr, "GL error 0x%x after %s\n", error, what);
        std::abort();
    }
}
