// The generated entry-point table and loadGLFunctions on real contexts.
#include "gfx/gl_api.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "tests/gfx/gl_test_support.h"

namespace {

TEST(GlApiTable, HoldsEachNameOnceAndEveryFunctionTheDrawingCodeCalls) {
    const std::set<std::string> names(glapi::kProcNames, glapi::kProcNames + glapi::kProcCount);
    EXPECT_EQ(names.size(), glapi::kProcCount);
    for (const char* used : {"glAttachShader",
                             "glBindBuffer",
                             "glBindFramebuffer",
                             "glBufferData",
                             "glClear",
                             "glCompileShader",
                             "glCreateProgram",
                             "glCreateShader",
                             "glCullFace",
                             "glDeleteShader",
                             "glDisable",
                             "glDrawElements",
                             "glEnableVertexAttribArray",
                             "glFrontFace",
                             "glGenBuffers",
                             "glGetAttribLocation",
                             "glGetIntegerv",
                             "glGetShaderInfoLog",
                             "glGetShaderiv",
                             "glGetUniformLocation",
                             "glLinkProgram",
                             "glShaderSource",
                             "glUniform1f",
                             "glUniformMatrix4fv",
                             "glUseProgram",
                             "glVertexAttribPointer",
                             "glViewport",
                             "glGetDebugMessageLogARB",
                             "glGetGraphicsResetStatusARB"}) {
        EXPECT_EQ(names.count(used), 1u) << used;
    }
}

using LoadGlFunctionsTest = GlContextTest;

TEST_F(LoadGlFunctionsTest, ResolvesTheTableForAThreeOrNewerContext) {
    EXPECT_EQ(loadGLFunctions(), 0);
    EXPECT_NE(glapi::glGetIntegerv, nullptr);
    EXPECT_NE(glapi::glDrawElements, nullptr);
    GLint major = 0;
    glapi::glGetIntegerv(GL_MAJOR_VERSION, &major);
    EXPECT_GE(major, 3);
}

TEST_F(LoadGlFunctionsTest, WithoutACurrentContextNothingResolvesAndTheResultIsFailure) {
    glfwMakeContextCurrent(nullptr);
    EXPECT_EQ(loadGLFunctions(), -1);
    EXPECT_EQ(glapi::glGetIntegerv, nullptr);
    EXPECT_EQ(glapi::glClear, nullptr);
    glfwMakeContextCurrent(context.window);
    EXPECT_EQ(loadGLFunctions(), 0);
}

TEST(LoadGlFunctionsOldContext, ReportsFailureBelowOpenGl3) {
    // Mesa can be told to offer an OpenGL 2.1 context, which knows no GL_MAJOR_VERSION query.
    // It reads the override when the driver starts, so only in a fresh process (as under ctest).
    setenv("MESA_GL_VERSION_OVERRIDE", "2.1", 1);
    OffscreenContext old;
    ASSERT_TRUE(old.open(16, 16));
    unsetenv("MESA_GL_VERSION_OVERRIDE");
    ASSERT_NE(glapi::glGetString, nullptr);
    const std::string version = reinterpret_cast<const char*>(glapi::glGetString(GL_VERSION));
    if (version.rfind("2.", 0) != 0) {
        GTEST_SKIP() << "the driver had started before the override (" << version
                     << "); run this case in a process of its own";
    }
    EXPECT_EQ(old.loadResult, -1);
    EXPECT_NE(glapi::glGetIntegerv, nullptr);
}

}  // namespace
