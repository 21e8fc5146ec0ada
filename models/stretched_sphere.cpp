#include "models/stretched_sphere.h"

#include <GL/glut.h>

void drawStretchedSphere(double radius, int slices, int stacks, float stretch) {
    glScalef(1.0f, stretch, 1.0f);
    glutSolidSphere(radius, slices, stacks);
    glScalef(1.0f, 1.0f / stretch, 1.0f);
}
