// ScreensaverApp: GLFW start, drawing size, window, callbacks, icon, GL state.
#include "app/screensaver_app.h"

#include <array>

#include "app/glfw_adopt.h"
#include "app/window_icon.h"
#include "gfx/gl_api.h"
#include "platform/message_texts.h"
#include "platform/platform.h"

ScreenMetrics screenMetrics;
ScreensaverApp* screensaverApp = nullptr;

namespace {

constexpr const char* kWindowTitle = "Velmorant";

void onGlfwError(int /*code*/, const char* description) {
    platform::showMessageBox(description, messages::kCaptionError,
                             platform::MessageIcon::Information);
}

void onWindowSize(GLFWwindow* /*window*/, int width, int height) {
    screenMetrics.set(width, height);
}

// Any key event (press, repeat or release, any key) and any mouse-button
// event ends the screensaver at once; nothing is torn down first.
void onKey(GLFWwindow* /*window*/, int /*key*/, int /*scancode*/, int /*action*/, int /*mods*/) {
    platform::exitProcess(0);
}

void onMouseButton(GLFWwindow* /*window*/, int /*button*/, int /*action*/, int /*mods*/) {
    platform::exitProcess(0);
}

// Moving the mouse or turning the wheel does not end the screensaver.
void onCursorPos(GLFWwindow* /*window*/, double /*x*/, double /*y*/) {}

void onScroll(GLFWwindow* /*window*/, double /*dx*/, double /*dy*/) {}

}  // namespace

void setVSync(bool enabled) {
    glfwSwapInterval(enabled ? 1 : 0);
}

int primaryModeSize(int selector) {
    // GLFW asserts on a null monitor, so a missing one (GLFW not running, no
    // display) is answered here instead of being passed on.
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    if (monitor == nullptr) {
        return 0;
    }
    const GLFWvidmode* mode = glfwGetVideoMode(monitor);
    if (mode == nullptr) {
        return 0;
    }
    return selector == 0 ? mode->width : mode->height;
}

void chooseWindowSize(const WindowSizeInputs& inputs, ScreenMetrics* metrics) {
    int width = kFallbackWindowWidth;
    int height = kFallbackWindowHeight;
    if (inputs.mode == LaunchMode::Preview) {
        if (inputs.hostSizeKnown) {
            width = inputs.hostWidth;
            height = inputs.hostHeight;
        }
    } else if (inputs.versionNumber >= 60 && inputs.modeWidth > 0 && inputs.modeHeight > 0) {
        width = inputs.modeWidth;
        height = inputs.modeHeight;
    }
    metrics->set(width, height);
}

ScreensaverApp::ScreensaverApp(LaunchOptions* launchOptions) : options(launchOptions) {
    initGlfw();
    chooseWindowSize();
    openWindow();
    setupGlState();
}

void ScreensaverApp::initGlfw() {
    glfwSetErrorCallback(onGlfwError);
    if (glfwInit() == GLFW_FALSE) {
        // Not fatal here: the window step fails next and ends the run.
        platform::showMessageBox(messages::kGlfwInitFailed, messages::kCaptionDebug,
                                 platform::MessageIcon::Information);
    }
}

void ScreensaverApp::chooseWindowSize() {
    WindowSizeInputs inputs{};
    inputs.mode = options->mode;
    if (options->mode == LaunchMode::Preview) {
        inputs.hostSizeKnown = platform::hostWindowClientSize(
            options->hostWindow, &inputs.hostWidth, &inputs.hostHeight);
    } else {
        inputs.versionNumber = platform::windowsVersionNumber();
        if (inputs.versionNumber >= 60) {
            inputs.modeWidth = primaryModeSize(0);
            inputs.modeHeight = primaryModeSize(1);
        }
    }
    ::chooseWindowSize(inputs, &screenMetrics);
}

void ScreensaverApp::openWindow() {
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
    glfwWindowHint(GLFW_SAMPLES, 0);
    glfwWindowHint(GLFW_STEREO, GLFW_FALSE);

    if (options->mode == LaunchMode::Preview) {
        window = glfwAdoptNativeWindow(options->hostWindow, nullptr);
    } else {
        window = glfwCreateWindow(screenMetrics.width, screenMetrics.height, kWindowTitle,
                                  glfwGetPrimaryMonitor(), nullptr);
    }
    if (window == nullptr) {
        platform::showMessageBox(messages::kWindowOpenFailed, messages::kCaptionDebug,
                                 platform::MessageIcon::Information);
        glfwTerminate();
        platform::exitProcess(0);
    }

    glfwSetWindowSizeCallback(window, onWindowSize);
    glfwSetKeyCallback(window, onKey);
    glfwSetMouseButtonCallback(window, onMouseButton);
    glfwSetCursorPosCallback(window, onCursorPos);
    glfwSetScrollCallback(window, onScroll);

    glfwMakeContextCurrent(window);
    setWindowIcon();
    // A context older than 3.0 is reported as -1; the run goes on regardless
    // and the shader step fails visibly if it really cannot draw.
    static_cast<void>(loadGLFunctions());
}

void ScreensaverApp::setWindowIcon() {
    std::array<unsigned char, kWindowIconBytes> rows{};
    windowIconColumnsToRows(kWindowIconColumns, rows.data());
    GLFWimage image{kWindowIconSide, kWindowIconSide, rows.data()};
    glfwSetWindowIcon(window, 1, &image);  // GLFW copies the pixels
}

void ScreensaverApp::setupGlState() {
    glapi::glCullFace(GL_BACK);
    glapi::glFrontFace(GL_CW);
    glapi::glDisable(GL_MULTISAMPLE);
    glapi::glDisable(GL_LINE_SMOOTH);
    glapi::glDisable(GL_POLYGON_SMOOTH);
    setVSync(true);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
}
