// The full-screen rectangle of the ocean pass: position, texture coordinate and normal
// attributes, plus the time and viewport uniforms from the scene clock.
#pragma once

#include "gfx/glfw_drawable_object.h"

struct GLFWDrawableSky final : GLFWDrawableObject {
    GLFWDrawableSky(SceneClock* clock, Camera* camera, ProgramRegistry* registry,
                    const char* programName, unsigned short objResourceId,
                    unsigned short mtlResourceId, float scale);

    void setupAttributes() override;
    void setUniforms() override;
    void beginDraw() override;
};
