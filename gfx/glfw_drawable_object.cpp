// Shared drawing steps of every drawable: buffers, matrix uniforms and the indexed draw.
#include "gfx/glfw_drawable_object.h"

#include <cstdint>

#include "gfx/gl_api.h"
#include "gfx/program_registry.h"
#include "math/camera.h"

namespace {

void uploadMatrix(GLFWProgram* program, const char* name, const Matrix4& matrix) {
    glapi::glUniformMatrix4fv(program->uniformLocation(name), 1, GL_FALSE, matrix.data());
}

}  // namespace

GLFWDrawableObject::GLFWDrawableObject(SceneClock* clock, Camera* camera, ProgramRegistry* registry,
                                       const char* programName, unsigned short objResourceId,
                                       unsigned short mtlResourceId, float scale)
    : clock(clock), registry(registry), camera(camera), programName(programName) {
    mesh = std::make_unique<InterleavedMesh>(objResourceId, mtlResourceId, scale);
    buffers = std::make_unique<MeshBufferSet>(registry);
    buffers->setVertexData(mesh->vertexBytes(), mesh->vertexData.data(), mesh->stride);
    buffers->setIndexData(mesh->indexBytes(), mesh->indexData.data(), mesh->indexCount);
}

void GLFWDrawableObject::init() {
    setupAttributes();
    buffers->upload();
}

void GLFWDrawableObject::setModelMatrix(const Matrix4& matrix) {
    model = matrix;
}

void GLFWDrawableObject::draw() {
    registry->use(programName);
    beginDraw();

    if (GLFWProgram* program = registry->find(programName)) {
        const Matrix4 view = camera->getView();
        const Matrix4 projection = camera->getProjection();
        const Matrix4 worldProjection = projection * view;
        uploadMatrix(program, "model_world", model);
        uploadMatrix(program, "world_projection", worldProjection);
        uploadMatrix(program, "model_projection", worldProjection * model);
    }

    setUniforms();
    buffers->bindBuffers();
    buffers->applyAttributes();
    glapi::glDrawElements(GL_TRIANGLES, buffers->indexCount, GL_UNSIGNED_INT, nullptr);
}
