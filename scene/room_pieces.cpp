#include "scene/room_pieces.h"

#include "scene/list_numbers.h"

#include <array>
#include <cstddef>

namespace {

// The feedback box every room fits in, as an orthographic view of this half-size.
constexpr float measureExtent = 256.0f;
// Beyond the measure's rounding: the box only ever grows.
constexpr float boxMargin = 0.01f;
// Four times what the largest piece, a spectator, takes; one that overflows it is always drawn.
constexpr GLsizei feedbackFloats = 1 << 18;

void growBox(CompiledPiece& piece, const float (&point)[3]) {
    for (int axis = 0; axis < 3; ++axis) {
        if (point[axis] < piece.low[axis])
            piece.low[axis] = point[axis];
        if (point[axis] > piece.high[axis])
            piece.high[axis] = point[axis];
    }
}

// The room's point a feedback vertex (window x, y and depth) stands for.
void roomPoint(const float* vertex, const GLint (&viewport)[4], float (&point)[3]) {
    point[0] =
        (2.0f * (vertex[0] - static_cast<float>(viewport[0])) / static_cast<float>(viewport[2]) -
         1.0f) *
        measureExtent;
    point[1] =
        (2.0f * (vertex[1] - static_cast<float>(viewport[1])) / static_cast<float>(viewport[3]) -
         1.0f) *
        measureExtent;
    point[2] = -(2.0f * vertex[2] - 1.0f) * measureExtent;
}

// Reads the vertices out of a feedback buffer of `used` floats, in GL_3D. False for a token
// it does not know.
bool readFeedback(const std::vector<GLfloat>& buffer, GLint used, const GLint (&viewport)[4],
                  CompiledPiece& piece) {
    constexpr int vertexFloats = 3;
    bool any = false;
    for (GLint at = 0; at < used;) {
        const auto token = static_cast<GLenum>(buffer[static_cast<std::size_t>(at++)]);
        GLint vertices = 0;
        if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN ||
            token == GL_COPY_PIXEL_TOKEN)
            vertices = 1;
        else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN)
            vertices = 2;
        else if (token == GL_POLYGON_TOKEN)
            vertices = static_cast<GLint>(buffer[static_cast<std::size_t>(at++)]);
        else if (token == GL_PASS_THROUGH_TOKEN) {
            ++at;
            continue;
        } else
            return false;
        for (GLint v = 0; v < vertices; ++v, at += vertexFloats) {
            float point[3];
            roomPoint(&buffer[static_cast<std::size_t>(at)], viewport, point);
            growBox(piece, point);
            any = true;
        }
    }
    return any;
}

// Runs the piece's list with nothing drawn: in feedback mode, every face kept and unclipped in
// the room, the current normal and material as they were.
void measure(CompiledPiece& piece, std::vector<GLfloat>& buffer) {
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_POLYGON_BIT |
                 GL_TRANSFORM_BIT);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-measureExtent, measureExtent, -measureExtent, measureExtent, -measureExtent,
            measureExtent);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glCallList(piece.list);
    const GLint used = glRenderMode(GL_RENDER);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (int axis = 0; axis < 3; ++axis) {
        piece.low[axis] = measureExtent;
        piece.high[axis] = -measureExtent;
    }
    piece.measured = used > 0 && readFeedback(buffer, used, viewport, piece);
    for (int axis = 0; axis < 3; ++axis) {
        piece.low[axis] -= boxMargin;
        piece.high[axis] += boxMargin;
    }
}

// The normal a list leaves current, run with nothing drawn; the current normal as it was.
std::array<GLfloat, 3> normalAfter(GLuint list) {
    GLfloat unused = 0;
    glPushAttrib(GL_CURRENT_BIT | GL_LIGHTING_BIT);
    glFeedbackBuffer(1, GL_3D, &unused);
    glRenderMode(GL_FEEDBACK);
    glCallList(list);
    glRenderMode(GL_RENDER);
    std::array<GLfloat, 3> normal{};
    glGetFloatv(GL_CURRENT_NORMAL, normal.data());
    glPopAttrib();
    return normal;
}

using ClipMatrix = std::array<GLfloat, 16>;

ClipMatrix currentClipMatrix() {
    GLfloat model[16], projection[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, model);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    ClipMatrix clip{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k)
                clip[static_cast<std::size_t>(column * 4 + row)] +=
                    projection[k * 4 + row] * model[column * 4 + k];
    return clip;
}

// Seen unless all eight corners of its box are beyond one of the six clip planes.
bool seen(const CompiledPiece& piece, const ClipMatrix& clip) {
    unsigned outsideAll = 0x3F;
    for (int corner = 0; corner < 8; ++corner) {
        const float p[3] = {(corner & 1) ? piece.high[0] : piece.low[0],
                            (corner & 2) ? piece.high[1] : piece.low[1],
                            (corner & 4) ? piece.high[2] : piece.low[2]};
        float c[4];
        for (int row = 0; row < 4; ++row)
            c[row] = clip[static_cast<std::size_t>(row)] * p[0] +
                     clip[static_cast<std::size_t>(4 + row)] * p[1] +
                     clip[static_cast<std::size_t>(8 + row)] * p[2] +
                     clip[static_cast<std::size_t>(12 + row)];
        const unsigned outside = (c[0] < -c[3] ? 0x01u : 0u) | (c[0] > c[3] ? 0x02u : 0u) |
                                 (c[1] < -c[3] ? 0x04u : 0u) | (c[1] > c[3] ? 0x08u : 0u) |
                                 (c[2] < -c[3] ? 0x10u : 0u) | (c[2] > c[3] ? 0x20u : 0u);
        outsideAll &= outside;
        if (outsideAll == 0)
            return true;
    }
    return false;
}

GLuint normalListOf(GLuint pieceList) {
    return pieceList - firstClubRoomPieceList + firstPieceNormalList;
}

} // namespace

CompiledRoom compileRoomPieces(GLuint firstList, const std::vector<RoomPiece>& pieces) {
    CompiledRoom room;
    GLuint nextOverMatList = firstList + static_cast<GLuint>(pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const RoomPiece& piece = pieces[i];
        const GLuint list = firstList + static_cast<GLuint>(i);
        const bool normalBefore = piece.litByNormalBefore && i > 0;
        glNewList(list, GL_COMPILE);
        if (normalBefore)
            glCallList(normalListOf(list));
        piece.draw();
        glEndList();
        CompiledPiece compiled{list, 0, piece.alwaysDrawn, normalBefore, false, {}, {}};
        if (piece.drawOverMat) {
            compiled.overMatList = nextOverMatList++;
            glNewList(compiled.overMatList, GL_COMPILE);
            if (normalBefore)
                glCallList(normalListOf(list));
            piece.drawOverMat();
            glEndList();
        }
        room.push_back(compiled);
    }
    return room;
}

void measureRoomPieces(CompiledRoom& room) {
    std::vector<GLfloat> feedback(feedbackFloats);
    for (std::size_t i = 0; i < room.size(); ++i) {
        CompiledPiece& piece = room[i];
        if (piece.litByNormalBefore) {
            const std::array<GLfloat, 3> normal = normalAfter(room[i - 1].list);
            glNewList(normalListOf(piece.list), GL_COMPILE);
            glNormal3fv(normal.data());
            glEndList();
        }
        measure(piece, feedback);
    }
}

void callEveryPiece(GLuint firstList, int count) {
    for (int i = 0; i < count; ++i)
        glCallList(firstList + static_cast<GLuint>(i));
}

void callPiecesSeen(const CompiledRoom& room, bool overMat) {
    const ClipMatrix clip = currentClipMatrix();
    for (const CompiledPiece& piece : room)
        if (piece.alwaysDrawn || !piece.measured || seen(piece, clip))
            glCallList(overMat && piece.overMatList != 0 ? piece.overMatList : piece.list);
}

bool eyeOver(float halfSide, float height) {
    constexpr float margin = 0.01f; // well inside: the rounding of the eye never matters
    // The modelview is a turn and a move: the eye is where the move's inverse takes the origin.
    GLfloat model[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, model);
    float eye[3];
    for (int axis = 0; axis < 3; ++axis)
        eye[axis] = -(model[axis * 4] * model[12] + model[axis * 4 + 1] * model[13] +
                      model[axis * 4 + 2] * model[14]);
    const float inside = halfSide - margin;
    return eye[0] > -inside && eye[0] < inside && eye[2] > -inside && eye[2] < inside &&
           eye[1] > height + margin;
}

bool facesFilled() {
    GLint modes[2] = {GL_FILL, GL_FILL};
    glGetIntegerv(GL_POLYGON_MODE, modes);
    return modes[0] == GL_FILL && modes[1] == GL_FILL;
}
