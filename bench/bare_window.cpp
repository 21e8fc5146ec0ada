// The least a GLUT program does to show frames: the game's window, cleared and swapped.

#include <GL/glut.h>

namespace {

void clearAndSwap() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_ALPHA | GLUT_DEPTH);
    glutInitWindowSize(640, 480);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("bare window");
    glutDisplayFunc(clearAndSwap);
    glutIdleFunc(glutPostRedisplay);
    glutMainLoop();
    return 0;
}
