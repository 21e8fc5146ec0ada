#include "tests/support/gl_harness.h"

#include "app/window.h"
#include "tools/image_io/png_writer.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <filesystem>

namespace {

FeedbackVertex readVertex(const std::vector<GLfloat>& buffer, std::size_t& at) {
    FeedbackVertex v{};
    float* fields[] = {&v.x, &v.y, &v.z, &v.r, &v.g, &v.b, &v.a, &v.s, &v.t, &v.p, &v.q};
    // GL_3D_COLOR_TEXTURE sends x, y, z, four colour values and four texture coordinates.
    for (float* field : fields)
        *field = buffer[at++];
    return v;
}

std::vector<FeedbackItem> parseFeedback(const std::vector<GLfloat>& buffer, int count) {
    std::vector<FeedbackItem> items;
    std::size_t at = 0;
    const std::size_t end = static_cast<std::size_t>(count);
    while (at < end) {
        FeedbackItem item;
        item.token = static_cast<GLenum>(buffer[at++]);
        int vertices = 0;
        switch (item.token) {
        case GL_POLYGON_TOKEN:
            vertices = static_cast<int>(buffer[at++]);
            break;
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            vertices = 2;
            break;
        case GL_POINT_TOKEN:
        case GL_BITMAP_TOKEN:
        case GL_DRAW_PIXEL_TOKEN:
        case GL_COPY_PIXEL_TOKEN:
            vertices = 1;
            break;
        case GL_PASS_THROUGH_TOKEN:
            item.marker = buffer[at++];
            break;
        default:
            return items; // not a token: stop rather than misread
        }
        for (int i = 0; i < vertices; ++i)
            item.vertices.push_back(readVertex(buffer, at));
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace

std::vector<FeedbackItem> captureFeedback(const std::function<void()>& draw) {
    std::size_t size = 1 << 20;
    for (;;) {
        std::vector<GLfloat> buffer(size);
        glFeedbackBuffer(static_cast<GLsizei>(size), GL_3D_COLOR_TEXTURE, buffer.data());
        glRenderMode(GL_FEEDBACK);
        draw();
        const GLint count = glRenderMode(GL_RENDER);
        if (count >= 0)
            return parseFeedback(buffer, count);
        size *= 4; // overflow: try again with room to spare
    }
}

std::vector<FeedbackItem> captureInSceneUnits(const std::function<void()>& draw, double extent,
                                              bool keepCulling) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const GLboolean culling = glIsEnabled(GL_CULL_FACE);
    if (!keepCulling)
        glDisable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-extent, extent, -extent, extent, -extent, extent);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    std::vector<FeedbackItem> items = captureFeedback(draw);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    if (culling)
        glEnable(GL_CULL_FACE);
    for (FeedbackItem& item : items)
        for (FeedbackVertex& v : item.vertices) {
            v.x = static_cast<float>(((v.x - viewport[0]) / viewport[2] * 2.0 - 1.0) * extent);
            v.y = static_cast<float>(((v.y - viewport[1]) / viewport[3] * 2.0 - 1.0) * extent);
            v.z = static_cast<float>(-(2.0 * v.z - 1.0) * extent);
        }
    return items;
}

std::vector<FeedbackItem> polygonsOf(const std::vector<FeedbackItem>& items) {
    std::vector<FeedbackItem> polygons;
    for (const FeedbackItem& item : items)
        if (item.token == GL_POLYGON_TOKEN)
            polygons.push_back(item);
    return polygons;
}

Bounds boundsOf(const std::vector<FeedbackItem>& items) {
    Bounds b{};
    bool first = true;
    for (const FeedbackItem& item : items)
        for (const FeedbackVertex& v : item.vertices) {
            if (first) {
                b = {v.x, v.y, v.z, v.x, v.y, v.z};
                first = false;
                continue;
            }
            b.minX = std::min(b.minX, v.x);
            b.minY = std::min(b.minY, v.y);
            b.minZ = std::min(b.minZ, v.z);
            b.maxX = std::max(b.maxX, v.x);
            b.maxY = std::max(b.maxY, v.y);
            b.maxZ = std::max(b.maxZ, v.z);
        }
    return b;
}

std::array<std::uint8_t, 4> readPixel(int x, int y) {
    std::array<std::uint8_t, 4> pixel{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    return pixel;
}

std::vector<std::uint8_t> readFrame() {
    std::vector<std::uint8_t> bottomUp(static_cast<std::size_t>(windowWidth) * windowHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, windowWidth, windowHeight, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    return bottomUp;
}

std::string saveFrame(const std::string& name) {
    const int width = windowWidth, height = windowHeight;
    const std::vector<std::uint8_t> bottomUp = readFrame();
    std::vector<std::uint8_t> topDown(bottomUp.size());
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>(y * row), row,
                    topDown.begin() + static_cast<std::ptrdiff_t>((height - 1 - y) * row));
    const char* dir = std::getenv("RUKO_FRAMES_DIR");
    const std::filesystem::path folder = dir ? dir : ".";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / (name + ".png")).string();
    writePng(path, width, height, 3, topDown);
    return path;
}

void resetGlState() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glViewport(0, 0, windowWidth, windowHeight);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_SCISSOR_TEST);
}

void pumpEvents(int passes) {
    for (int i = 0; i < passes; ++i)
        glutMainLoopEvent();
}

std::array<float, 16> currentMatrix(GLenum which) {
    std::array<float, 16> m{};
    glGetFloatv(which, m.data());
    return m;
}
