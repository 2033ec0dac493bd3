// InterleavedMesh: a model packed into one array of 24-float vertices plus its index array,
// ready for upload; the second stage of mesh preparation.
#include "gfx/interleaved_mesh.h"

#include <cstddef>

namespace {

void copyComponent(const std::vector<float>& source, std::size_t vertex, std::size_t width,
                   float* destination) {
    for (std::size_t c = 0; c < width; ++c) {
        destination[c] = source[width * vertex + c];
    }
}

}  // namespace

InterleavedMesh::InterleavedMesh(unsigned short objResourceId, unsigned short mtlResourceId,
                                 float scale)
    : arrays(std::make_unique<MeshArrays>(objResourceId, mtlResourceId, scale)) {
    pack();
}

InterleavedMesh::InterleavedMesh(std::unique_ptr<MeshArrays> meshArrays)
    : arrays(std::move(meshArrays)) {
    pack();
}

void InterleavedMesh::pack() {
    vertexCount = arrays->vertexCount;
    indexCount = arrays->indexCount;
    const std::size_t vertices = static_cast<std::size_t>(vertexCount);
    const std::size_t floatsPerVertex = static_cast<std::size_t>(stride);
    vertexData.assign(vertices * floatsPerVertex, 0.0f);
    for (std::size_t i = 0; i < vertices; ++i) {
        float* base = vertexData.data() + i * floatsPerVertex;
        copyComponent(arrays->positions, i, 3, base + positionOffset);
        copyComponent(arrays->texCoords, i, 2, base + texCoordOffset);
        copyComponent(arrays->normals, i, 3, base + normalOffset);
        copyComponent(arrays->tangents, i, 3, base + tangentOffset);
        copyComponent(arrays->bitangents, i, 3, base + bitangentOffset);
        copyComponent(arrays->ambient, i, 3, base + ambientOffset);
        copyComponent(arrays->diffuse, i, 3, base + diffuseOffset);
        copyComponent(arrays->specular, i, 4, base + specularOffset);
    }
    indexData = arrays->indices;
}
