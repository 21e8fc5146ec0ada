#pragma once

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Helpers over the one real GLUT window that every GL test program opens in its main.

// A vertex as feedback mode returns it: window coordinates (x, y, depth), colour, texture.
struct FeedbackVertex {
    float x, y, z;
    float r, g, b, a;
    float s, t, p, q;
};

// One feedback item: a polygon, line or point with its vertices, or a glPassThrough marker.
struct FeedbackItem {
    GLenum token; // GL_POLYGON_TOKEN, GL_LINE_TOKEN, GL_LINE_RESET_TOKEN, GL_POINT_TOKEN,
                  // GL_BITMAP_TOKEN, GL_DRAW_PIXEL_TOKEN, GL_COPY_PIXEL_TOKEN,
                  // GL_PASS_THROUGH_TOKEN
    std::vector<FeedbackVertex> vertices;
    float marker = 0.0f; // the value of a pass-through
};

// Mesa reports every polygon as triangles: a quad comes back as two GL_POLYGON_TOKEN items
// of three vertices each.
// Everything `draw` sends through the pipeline under the current matrices, viewport and
// culling, as feedback mode reports it (GL_3D_COLOR_TEXTURE).
std::vector<FeedbackItem> captureFeedback(const std::function<void()>& draw);

// The same, but under an orthographic view of the cube [-extent, extent]^3 with the
// identity model-view matrix, and the vertices turned back into scene units: what `draw`
// puts where, in its own frame. Culling is switched off unless `keepCulling` is set.
std::vector<FeedbackItem> captureInSceneUnits(const std::function<void()>& draw,
                                              double extent = 50.0, bool keepCulling = false);

// Only the polygons of a capture.
std::vector<FeedbackItem> polygonsOf(const std::vector<FeedbackItem>& items);

struct Bounds {
    float minX, minY, minZ, maxX, maxY, maxZ;
};
// The box holding every vertex of the items (all zero when there are none).
Bounds boundsOf(const std::vector<FeedbackItem>& items);

// The RGBA bytes of one pixel of the back buffer (x, y from the lower-left corner).
std::array<std::uint8_t, 4> readPixel(int x, int y);

// The RGB bytes of the whole back buffer, bottom row first.
std::vector<std::uint8_t> readFrame();

// Saves the back buffer as a PNG for a person to look at; returns the path written.
// The file goes under $RUKO_FRAMES_DIR (or the working directory) with the given name.
std::string saveFrame(const std::string& name);

// Resets the GL state a test may have left behind: identity matrices, the window's viewport,
// fill mode, no lights but the defaults, culling and depth test as the screens set them.
void resetGlState();

// Runs GLUT's event loop `passes` times without entering glutMainLoop.
void pumpEvents(int passes = 1);

// Reads the current model-view (or projection) matrix.
std::array<float, 16> currentMatrix(GLenum which = GL_MODELVIEW_MATRIX);
