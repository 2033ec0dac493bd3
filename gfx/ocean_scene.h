// The ocean pass: the whole scene, one full-screen rectangle drawn with "BackgroundProgram".
// setupScene builds the scene objects once; renderFrame draws one frame into the window's
// default framebuffer.
#pragma once

#include <cstdint>
#include <memory>

#include "gfx/glfw_drawable_sky.h"
#include "gfx/program_registry.h"
#include "math/camera.h"
#include "math/scene_clock.h"
#include "math/screen_metrics.h"

struct OceanScene {
    static constexpr const char* kProgramName = "BackgroundProgram";
    // Sent every frame; the ocean shader declares both without reading them.
    static constexpr std::int32_t kBackgroundTextureSize = 1024;
    static constexpr float kRenderMode = 2.5f;  // direct render to the screen

    const ScreenMetrics* metrics;  // not owned; read at the start of every frame
    std::unique_ptr<ProgramRegistry> registry;
    std::unique_ptr<SceneClock> clock;
    std::unique_ptr<Camera> camera;
    std::unique_ptr<GLFWDrawableSky> sky;
    std::int32_t backgroundTextureSizeLocation = -1;
    std::int32_t screenWidthLocation = -1;
    std::int32_t screenHeightLocation = -1;
    std::int32_t renderModeLocation = -1;

    explicit OceanScene(const ScreenMetrics* metrics);

    // Needs the context current and the GL entry points loaded; a shader that does not compile
    // or a model that does not load ends the process.
    void setupScene();
    // Draws the frame for time t (seconds) into the back buffer; presenting it is the caller's.
    void renderFrame(float t);
};
