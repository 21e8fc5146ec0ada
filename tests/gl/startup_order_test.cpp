// The start's GL calls: the scenery's lists compiled inside one push and pop of the model-view
// matrix with nothing run between, the pieces measured after, none by the title's enter.
#include "app/startup.h"
#include "menus/menus.h"

#include <GL/gl.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>

static std::vector<std::string> trace; // what ran, and the lists compiled, not what they hold

// In front of libGL's functions of the same names, for the game's calls.
#define TRACED(function, parameters, arguments, call)                                              \
    void function parameters {                                                                     \
        GLint compiling = 0;                                                                       \
        glGetIntegerv(GL_LIST_INDEX, &compiling);                                                  \
        if (compiling == 0)                                                                        \
            trace.push_back(call);                                                                 \
        reinterpret_cast<decltype(&function)>(dlsym(RTLD_NEXT, #function)) arguments;              \
    }
TRACED(glPushMatrix, (), (), "push")
TRACED(glPopMatrix, (), (), "pop")
TRACED(glNewList, (GLuint list, GLenum mode), (list, mode), "list " + std::to_string(list))
TRACED(glPixelStorei, (GLenum name, GLint value), (name, value), "pixel store")
TRACED(glPushAttrib, (GLbitfield mask), (mask), "push attributes")
TRACED(glFeedbackBuffer, (GLsizei n, GLenum type, GLfloat* to), (n, type, to), "feedback")

TEST(StartupOrder, ListsCompiledInOnePairPiecesMeasuredAfterTitleEnteredWithout) {
    initResources();
    const auto list1 = std::find(trace.begin(), trace.end(), "list 1");
    ASSERT_TRUE(list1 != trace.begin() && list1 != trace.end());
    const auto pop = std::find(list1, trace.end(), "pop");
    EXPECT_EQ(*(list1 - 1), "push");
    for (int list = 1; list <= 17; ++list)
        EXPECT_EQ(std::count(list1, pop, "list " + std::to_string(list)), 1) << list;
    EXPECT_EQ(std::count_if(list1, pop, [](auto& call) { return call.rfind("list ", 0); }), 0);
    EXPECT_GT(std::count(pop, trace.end(), "feedback"), 0) << "the pieces measured after";
    trace.clear();
    enterTitleScreen();
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "feedback"), 0);
}
