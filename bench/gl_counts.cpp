#include "bench/gl_counts.h"

#include <GL/gl.h>
#include <dlfcn.h>

#include <unordered_map>
#include <vector>

namespace {

constexpr int maxListNesting = 64; // GL's least GL_MAX_LIST_NESTING

struct ListRecord {
    GlCounts own;
    std::vector<GLuint> called;
};

std::unordered_map<GLuint, ListRecord> lists;
ListRecord* compiling = nullptr;
bool executedWhileCompiled = false; // GL_COMPILE_AND_EXECUTE
bool counting = false;
GlCounts counted;

bool executing() {
    return counting && (!compiling || executedWhileCompiled);
}

void tally(long GlCounts::*field, long n = 1) {
    if (compiling)
        compiling->own.*field += n;
    if (executing())
        counted.*field += n;
}

void addList(GlCounts& to, GLuint list, int depth) {
    ++to.listsCalled;
    const auto found = lists.find(list);
    if (found == lists.end() || depth > maxListNesting)
        return;
    const GlCounts& own = found->second.own;
    to.draws += own.draws;
    to.vertices += own.vertices;
    to.materials += own.materials;
    to.textureBinds += own.textureBinds;
    to.enables += own.enables;
    to.otherState += own.otherState;
    to.listsCalled += own.listsCalled;
    for (GLuint called : found->second.called)
        addList(to, called, depth + 1);
}

} // namespace

void startCounting() {
    counted = {};
    counting = true;
}

GlCounts stopCounting() {
    counting = false;
    return counted;
}

// libGL's function of the same name, found once.
#define LIBGL(function)                                                                            \
    ([] {                                                                                          \
        static const auto found =                                                                  \
            reinterpret_cast<decltype(&function)>(dlsym(RTLD_NEXT, #function));                    \
        return found;                                                                              \
    }())

void glBegin(GLenum mode) {
    tally(&GlCounts::draws);
    LIBGL(glBegin)(mode);
}

void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
    tally(&GlCounts::draws);
    tally(&GlCounts::vertices, count);
    LIBGL(glDrawArrays)(mode, first, count);
}

void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
    tally(&GlCounts::draws);
    tally(&GlCounts::vertices, count);
    LIBGL(glDrawElements)(mode, count, type, indices);
}

void glVertex2f(GLfloat x, GLfloat y) {
    tally(&GlCounts::vertices);
    LIBGL(glVertex2f)(x, y);
}

void glVertex2fv(const GLfloat* v) {
    tally(&GlCounts::vertices);
    LIBGL(glVertex2fv)(v);
}

void glVertex2i(GLint x, GLint y) {
    tally(&GlCounts::vertices);
    LIBGL(glVertex2i)(x, y);
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    tally(&GlCounts::vertices);
    LIBGL(glVertex3f)(x, y, z);
}

void glVertex3fv(const GLfloat* v) {
    tally(&GlCounts::vertices);
    LIBGL(glVertex3fv)(v);
}

void glMaterialf(GLenum face, GLenum name, GLfloat value) {
    tally(&GlCounts::materials);
    LIBGL(glMaterialf)(face, name, value);
}

void glMaterialfv(GLenum face, GLenum name, const GLfloat* values) {
    tally(&GlCounts::materials);
    LIBGL(glMaterialfv)(face, name, values);
}

void glBindTexture(GLenum target, GLuint texture) {
    tally(&GlCounts::textureBinds);
    LIBGL(glBindTexture)(target, texture);
}

void glEnable(GLenum capability) {
    tally(&GlCounts::enables);
    LIBGL(glEnable)(capability);
}

void glDisable(GLenum capability) {
    tally(&GlCounts::enables);
    LIBGL(glDisable)(capability);
}

void glLightf(GLenum light, GLenum name, GLfloat value) {
    tally(&GlCounts::otherState);
    LIBGL(glLightf)(light, name, value);
}

void glLightfv(GLenum light, GLenum name, const GLfloat* values) {
    tally(&GlCounts::otherState);
    LIBGL(glLightfv)(light, name, values);
}

void glLightModeli(GLenum name, GLint value) {
    tally(&GlCounts::otherState);
    LIBGL(glLightModeli)(name, value);
}

void glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
    tally(&GlCounts::otherState);
    LIBGL(glColor3f)(red, green, blue);
}

void glColor4fv(const GLfloat* v) {
    tally(&GlCounts::otherState);
    LIBGL(glColor4fv)(v);
}

void glBlendFunc(GLenum source, GLenum destination) {
    tally(&GlCounts::otherState);
    LIBGL(glBlendFunc)(source, destination);
}

void glPolygonMode(GLenum face, GLenum mode) {
    tally(&GlCounts::otherState);
    LIBGL(glPolygonMode)(face, mode);
}

void glTexEnvf(GLenum target, GLenum name, GLfloat value) {
    tally(&GlCounts::otherState);
    LIBGL(glTexEnvf)(target, name, value);
}

void glDepthFunc(GLenum function) {
    tally(&GlCounts::otherState);
    LIBGL(glDepthFunc)(function);
}

void glShadeModel(GLenum mode) {
    tally(&GlCounts::otherState);
    LIBGL(glShadeModel)(mode);
}

void glLineWidth(GLfloat width) {
    tally(&GlCounts::otherState);
    LIBGL(glLineWidth)(width);
}

void glNewList(GLuint list, GLenum mode) {
    compiling = &(lists[list] = {});
    executedWhileCompiled = mode == GL_COMPILE_AND_EXECUTE;
    LIBGL(glNewList)(list, mode);
}

void glEndList() {
    compiling = nullptr;
    LIBGL(glEndList)();
}

void glCallList(GLuint list) {
    if (compiling)
        compiling->called.push_back(list);
    if (executing())
        addList(counted, list, 1);
    LIBGL(glCallList)(list);
}
