// A drawable: one prepared model, its GL buffers and a model matrix, drawn with a program that
// it names in the registry. Subclasses choose the attributes and the extra uniforms.
#pragma once

#include <cstdint>
#include <memory>

#include "gfx/interleaved_mesh.h"
#include "gfx/mesh_buffer_set.h"
#include "math/matrix4.h"

struct Camera;
struct ProgramRegistry;
struct SceneClock;

struct GLFWDrawableObject {
    SceneClock* clock;          // not owned
    ProgramRegistry* registry;  // not owned
    std::unique_ptr<InterleavedMesh> mesh;
    std::unique_ptr<MeshBufferSet> buffers;
    Camera* camera;           // not owned
    const char* programName;  // not copied; must outlive the drawable
    Matrix4 model;            // unset until setModelMatrix

    // Prepares the model (a model that does not load ends the process) and generates the
    // buffer names; nothing reaches GL's buffers before init.
    GLFWDrawableObject(SceneClock* clock, Camera* camera, ProgramRegistry* registry,
                       const char* programName, unsigned short objResourceId,
                       unsigned short mtlResourceId, float scale);

    GLFWDrawableObject(const GLFWDrawableObject&) = delete;
    GLFWDrawableObject& operator=(const GLFWDrawableObject&) = delete;

    // Declares the attributes and uploads both buffers; once, with the context current.
    void init();
    void setModelMatrix(const Matrix4& matrix);
    // One indexed draw of the whole model with the named program.
    void draw();

    virtual void setupAttributes() = 0;
    virtual void setUniforms() = 0;
    virtual void beginDraw() = 0;

  protected:
    // Owners hold the concrete subclass; nothing deletes through this base.
    ~GLFWDrawableObject() = default;
};
