#pragma once

// What a frame asks of GL, counted by functions of the same names as libGL's that count, then
// call libGL's: the bench program that links gl_counts.cpp exports them (gl_counts.dynamic),
// so that GLU's calls inside gluCylinder are counted with the game's own. Calls compiled into
// a display list are counted where the list is called, every time it is called.

struct GlCounts {
    long draws = 0;        // glBegin, glDrawArrays, glDrawElements
    long vertices = 0;     // glVertex*, and the vertices the arrays draw
    long materials = 0;    // glMaterial*
    long textureBinds = 0; // glBindTexture
    long enables = 0;      // glEnable and glDisable
    long otherState = 0;   // lights, colours, blending, polygon mode, texture environment,
                           // depth function, shading model, line width
    long listsCalled = 0;  // glCallList, lists called by lists included
};

// Counts the calls from now on.
void startCounting();
// What the calls since startCounting came to; counts no more.
GlCounts stopCounting();
