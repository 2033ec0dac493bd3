// The ocean pass: builds the scene once and draws each frame.
#include "gfx/ocean_scene.h"

#include "gfx/gl_api.h"
#include "math/matrix4.h"
#include "resources/resource_ids.h"

namespace {

std::int32_t uniformLocationOf(const ProgramRegistry& registry, const char* programName,
                               const char* name) {
    GLFWProgram* program = registry.find(programName);
    return program == nullptr ? -1 : program->uniformLocation(name);
}

}  // namespace

OceanScene::OceanScene(const ScreenMetrics* metrics) : metrics(metrics) {}

void OceanScene::setupScene() {
    registry = std::make_unique<ProgramRegistry>();
    clock = std::make_unique<SceneClock>(0.0f);
    camera = std::make_unique<Camera>(0.0f, 0.0f, 100.0f);
    camera->pitch(1.0f);
    camera->updateView(0);
    registry->add(kProgramName, IDR_BACKGROUND_VERTEX, IDR_BACKGROUND_FRAGMENT);
    sky = std::make_unique<GLFWDrawableSky>(clock.get(), camera.get(), registry.get(), kProgramName,
                                            IDR_RECTANGLE_OBJ, IDR_RECTANGLE_MTL, 1.0f);
    sky->init();

    backgroundTextureSizeLocation =
        uniformLocationOf(*registry, kProgramName, "backgroundTextureSize");
    screenWidthLocation = uniformLocationOf(*registry, kProgramName, "screenWidth");
    screenHeightLocation = uniformLocationOf(*registry, kProgramName, "screenHeight");
    renderModeLocation = uniformLocationOf(*registry, kProgramName, "renderMode");
}

void OceanScene::renderFrame(float t) {
    // The size is read once, so the whole frame uses one size even if it changes meanwhile.
    const std::int32_t width = metrics->width;
    const std::int32_t height = metrics->height;
    const float aspect = metrics->aspect;

    clock->setTime(t);
    camera->setProjection(perspective(50.0f, aspect, 0.1f, 1000.0f));
    clock->setViewport(static_cast<float>(width), static_cast<float>(height));
    camera->setViewIndex(0);
    sky->setModelMatrix(translation(0.0f, 0.0f, -100.0f));

    // Current before the uploads, so the first frame already gets the screen size.
    registry->use(kProgramName);
    glapi::glUniform1f(backgroundTextureSizeLocation, static_cast<float>(kBackgroundTextureSize));
    glapi::glUniform1f(screenWidthLocation, static_cast<float>(width));
    glapi::glUniform1f(screenHeightLocation, static_cast<float>(height));

    glapi::glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glapi::glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glapi::glUniform1f(renderModeLocation, kRenderMode);
    glapi::glViewport(0, 0, width, height);

    sky->draw();
}
