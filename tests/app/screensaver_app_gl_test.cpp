// The screensaver window on a real X display: full screen on the primary monitor at its
// current mode, the context and input state it asks for, and the fixed GL state.
#include "app/screensaver_app.h"

#include <gtest/gtest.h>

#include "gfx/gl_api.h"
#include "platform/platform.h"

namespace {

TEST(ScreensaverAppOnX, OpensFullScreenWithTheFixedState) {
    LaunchOptions options{LaunchMode::FullScreen, 0};
    ScreensaverApp app(&options);
    ASSERT_NE(app.window, nullptr);

    // Full screen on the primary monitor, at its current mode: the display mode stays.
    EXPECT_EQ(glfwGetWindowMonitor(app.window), glfwGetPrimaryMonitor());
    EXPECT_EQ(screenMetrics.width, primaryModeSize(0));
    EXPECT_EQ(screenMetrics.height, primaryModeSize(1));
    EXPECT_GT(screenMetrics.width, 0);
    EXPECT_FLOAT_EQ(screenMetrics.aspect,
                    float(screenMetrics.width) / float(screenMetrics.height));
    EXPECT_EQ(glfwGetCurrentContext(), app.window);
    EXPECT_EQ(glfwGetInputMode(app.window, GLFW_CURSOR), GLFW_CURSOR_HIDDEN);
    EXPECT_GE(glfwGetWindowAttrib(app.window, GLFW_CONTEXT_VERSION_MAJOR), 3);

    GLint value = 0;
    glapi::glGetIntegerv(GL_FRONT_FACE, &value);
    EXPECT_EQ(value, GL_CW);
    glapi::glGetIntegerv(GL_CULL_FACE_MODE, &value);
    EXPECT_EQ(value, GL_BACK);
    struct Capability {
        const char* name;
        GLenum cap;
    };
    const Capability disabled[] = {
        {"multisample", GL_MULTISAMPLE},      {"line smooth", GL_LINE_SMOOTH},
        {"polygon smooth", GL_POLYGON_SMOOTH}, {"face culling", GL_CULL_FACE},
        {"depth test", GL_DEPTH_TEST},
    };
    for (const Capability& c : disabled) {
        EXPECT_EQ(glapi::glIsEnabled(c.cap), GL_FALSE) << c.name;
    }
}

TEST(WindowsVersionNumber, DecodesMajorFromTheLowByteAndMinorFromTheNext) {
    struct Case {
        std::uint32_t getVersion;
        int number;
    };
    const Case cases[] = {
        {0x0A280105u, 51},  // 5.1, build bits in the high word
        {0x00000006u, 60},
        {0x1DB10106u, 61},
        {0x0000000Au, 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::versionNumberFromGetVersion(c.getVersion), c.number) << c.getVersion;
    }
    EXPECT_GE(platform::windowsVersionNumber(), 60);  // the rule for current systems applies
}

}  // namespace
