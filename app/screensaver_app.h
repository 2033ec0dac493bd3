// The screensaver's window and OpenGL context, and the process-wide drawing size.
//
// Constructing ScreensaverApp starts GLFW, chooses the drawing size, opens a
// full-screen window on the primary monitor (or adopts the preview host's
// window), attaches the input callbacks that end the screensaver, makes the
// context current, sets the icon, loads the GL entry points and fixes the GL
// state. A window that cannot be opened ends the process with exit code 0.
#pragma once

#include <GLFW/glfw3.h>

#include "app/launch_options.h"
#include "math/screen_metrics.h"

struct ScreensaverApp {
    GLFWwindow* window = nullptr;  // owned, never destroyed
    LaunchOptions* options;        // not owned

    explicit ScreensaverApp(LaunchOptions* launchOptions);

    void initGlfw();
    void chooseWindowSize();
    void openWindow();
    void setWindowIcon();
    void setupGlState();
};

// Swap interval 1 (true) or 0 (false) on the current context.
void setVSync(bool enabled);

// Width (selector 0) or height (any other selector) of the primary monitor's
// current video mode; 0 when there is no monitor or mode to read (GLFW not
// running, no display).
int primaryModeSize(int selector);

// Used when the size to draw at cannot be read (no monitor mode, no host size).
inline constexpr int kFallbackWindowWidth = 800;
inline constexpr int kFallbackWindowHeight = 600;

// The drawing-size rule, apart from where its inputs come from.
struct WindowSizeInputs {
    LaunchMode mode;
    bool hostSizeKnown;  // the preview host's client size could be read
    int hostWidth;
    int hostHeight;
    int versionNumber;  // OS version as major * 10 + minor
    int modeWidth;      // primary monitor's current mode; 0 when unknown
    int modeHeight;
};
// Preview: the host's client size. Otherwise: the monitor's current mode on
// version 6.0 or newer, 800 x 600 before that. An unknown size gives 800 x 600.
void chooseWindowSize(const WindowSizeInputs& inputs, ScreenMetrics* metrics);

// The process-wide drawing size, kept current by the window-size callback.
extern ScreenMetrics screenMetrics;

// The one ScreensaverApp, published by the entry point before the main loop runs.
extern ScreensaverApp* screensaverApp;
