#include "app/game_inputs.h"
#include "app/window.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

void emptyDisplay() {}

} // namespace

// Every GL test program opens the game's own window once, then runs its tests in it.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    openGameWindow(&argc, argv);
    glutSetWindowTitle("RUKO tests"); // the end-to-end tests look for the game's own title
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutDisplayFunc(emptyDisplay);
    setInputHandler(carryOutOnScreen);
    glutMainLoopEvent();
    return RUN_ALL_TESTS();
}
