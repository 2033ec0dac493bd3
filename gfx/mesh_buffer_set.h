// The two GL buffers of a drawable (vertices, indices) and its named vertex-attribute layout.
#pragma once

#include <cstdint>
#include <map>
#include <string>

struct ProgramRegistry;

struct MeshBufferSet {
    ProgramRegistry* registry;  // not owned; where attribute locations are looked up
    std::uint32_t vertexBuffer = 0;
    std::uint32_t indexBuffer = 0;
    const float* vertexData = nullptr;  // not owned
    std::int32_t vertexBytes = 0;
    std::int32_t strideFloats = 0;
    // Same keys in all three maps: one entry per declared attribute.
    std::map<std::string, std::int32_t> attributeLocations;
    std::map<std::string, std::int32_t> attributeSizes;    // components
    std::map<std::string, std::int32_t> attributeOffsets;  // floats from the start of a vertex
    const std::uint32_t* indexData = nullptr;              // not owned
    std::int32_t indexBytes = 0;
    std::int32_t indexCount = 0;

    // Generates the vertex buffer name, then the index buffer name.
    explicit MeshBufferSet(ProgramRegistry* registry);

    void setVertexData(std::int32_t bytes, const float* data, std::int32_t strideFloats);
    void setIndexData(std::int32_t bytes, const std::uint32_t* data, std::int32_t count);

    // Records the attribute's location in the named program (cached there), size and offset.
    // A name already declared keeps its first entry; a program name never added to the
    // registry declares nothing.
    void addAttribute(const char* programName, const char* attributeName, std::int32_t size,
                      std::int32_t offset);

    void bindBuffers() const;
    // Enables and points every declared attribute, in name order; a location of -1 is passed
    // to GL unchanged (GL rejects it, the draw is unaffected).
    void applyAttributes() const;
    // bindBuffers, applyAttributes, then both uploads as static data.
    void upload() const;
};
