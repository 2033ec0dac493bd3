// Vertex and index buffers of a drawable and its attribute layout.
#include "gfx/mesh_buffer_set.h"

#include <cstdint>

#include "gfx/gl_api.h"
#include "gfx/program_registry.h"

MeshBufferSet::MeshBufferSet(ProgramRegistry* registry) : registry(registry) {
    glapi::glGenBuffers(1, &vertexBuffer);
    glapi::glGenBuffers(1, &indexBuffer);
}

void MeshBufferSet::setVertexData(std::int32_t bytes, const float* data,
                                  std::int32_t strideFloats) {
    vertexBytes = bytes;
    vertexData = data;
    this->strideFloats = strideFloats;
}

void MeshBufferSet::setIndexData(std::int32_t bytes, const std::uint32_t* data,
                                 std::int32_t count) {
    indexBytes = bytes;
    indexData = data;
    indexCount = count;
}

void MeshBufferSet::addAttribute(const char* programName, const char* attributeName,
                                 std::int32_t size, std::int32_t offset) {
    GLFWProgram* program = registry->find(programName);
    if (program == nullptr) {
        return;
    }
    const std::int32_t location = program->attributeLocation(attributeName);
    attributeLocations.emplace(attributeName, location);
    attributeSizes.emplace(attributeName, size);
    attributeOffsets.emplace(attributeName, offset);
}

void MeshBufferSet::bindBuffers() const {
    glapi::glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glapi::glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
}

void MeshBufferSet::applyAttributes() const {
    const GLsizei strideBytes = strideFloats * static_cast<GLsizei>(sizeof(float));
    for (const auto& [name, location] : attributeLocations) {
        const std::int32_t size = attributeSizes.at(name);
        const std::uintptr_t offsetBytes =
            static_cast<std::uintptr_t>(attributeOffsets.at(name)) * sizeof(float);
        const auto index = static_cast<GLuint>(location);
        glapi::glEnableVertexAttribArray(index);
        glapi::glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, strideBytes,
                                     reinterpret_cast<const void*>(offsetBytes));
    }
}

void MeshBufferSet::upload() const {
    bindBuffers();
    applyAttributes();
    glapi::glBufferData(GL_ARRAY_BUFFER, vertexBytes, vertexData, GL_STATIC_DRAW);
    glapi::glBufferData(GL_ELEMENT_ARRAY_BUFFER, indexBytes, indexData, GL_STATIC_DRAW);
}
