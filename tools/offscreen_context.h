// A hidden GLFW window with the screensaver's context settings, for drawing scene frames
// outside the screensaver (frame tool, GL tests, benchmark) and reading them back.
#pragma once

#include <cstdint>
#include <vector>

struct GLFWwindow;

// RGBA, 8 bits per channel; row 0 is the bottom row, as GL reads it (and as gl_FragCoord counts).
struct FrameImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    const std::uint8_t* pixel(int x, int yFromBottom) const {
        return &rgba[(static_cast<std::size_t>(yFromBottom) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)) *
                     4];
    }
};

struct OffscreenContext {
    GLFWwindow* window = nullptr;
    int width = 0;
    int height = 0;
    int loadResult = -1;  // loadGLFunctions' answer: 0 for OpenGL 3.0 or newer

    OffscreenContext() = default;
    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;
    // Destroys the window; GLFW itself stays initialised until the process ends.
    ~OffscreenContext();

    // Starts GLFW, opens a hidden width x height window with the screensaver's context hints,
    // makes its context current and loads the GL entry points. False (with a line on standard
    // error) when there is no display or no window.
    bool open(int width, int height);

    // Waits for the GL work and reads the default framebuffer's back buffer.
    FrameImage readPixels() const;
};

// Writes an 8-bit RGB PNG (alpha dropped), top row first. False when the file cannot be written.
bool writePng(const char* path, const FrameImage& image);
