// The ocean pass's rectangle: which attributes it feeds and which uniforms it sets.
#include "gfx/glfw_drawable_sky.h"

#include "gfx/gl_api.h"
#include "gfx/program_registry.h"
#include "math/scene_clock.h"

GLFWDrawableSky::GLFWDrawableSky(SceneClock* clock, Camera* camera, ProgramRegistry* registry,
                                 const char* programName, unsigned short objResourceId,
                                 unsigned short mtlResourceId, float scale)
    : GLFWDrawableObject(clock, camera, registry, programName, objResourceId, mtlResourceId,
                         scale) {}

void GLFWDrawableSky::setupAttributes() {
    // Offsets in floats within the 24-float vertex: position, texture coordinate, normal.
    buffers->addAttribute(programName, "position", 3, 0);
    buffers->addAttribute(programName, "position_tex", 2, 3);
    buffers->addAttribute(programName, "position_normal", 3, 5);
}

void GLFWDrawableSky::setUniforms() {
    GLFWProgram* program = registry->find(programName);
    if (program == nullptr) {
        return;
    }
    glapi::glUniform1f(program->uniformLocation("iTime"), clock->getTime());
    glapi::glUniform1f(program->uniformLocation("viewportWidth"), clock->getViewportWidth());
    glapi::glUniform1f(program->uniformLocation("viewportHeight"), clock->getViewportHeight());
}

void GLFWDrawableSky::beginDraw() {}
