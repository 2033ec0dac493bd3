// InterleavedMesh: a model packed into one array of 24-float vertices plus its index array,
// ready for upload; the second stage of mesh preparation.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/mesh_arrays.h"

struct InterleavedMesh {
    // Loads and packs the model of TEXTFILE resources `objResourceId` and `mtlResourceId`;
    // ends the process (code 0) after telling the user when it does not load.
    InterleavedMesh(unsigned short objResourceId, unsigned short mtlResourceId, float scale);
    // Packs arrays that are already built.
    explicit InterleavedMesh(std::unique_ptr<MeshArrays> meshArrays);

    std::vector<float> vertexData;  // vertexCount * stride floats
    std::int32_t stride = 24;       // floats per vertex
    std::int32_t positionOffset = 0;
    std::int32_t texCoordOffset = 3;
    std::int32_t normalOffset = 5;
    std::int32_t tangentOffset = 8;
    std::int32_t bitangentOffset = 11;
    std::int32_t ambientOffset = 14;
    std::int32_t diffuseOffset = 17;
    std::int32_t specularOffset = 20;  // Ks, then Ns
    std::vector<std::uint32_t> indexData;
    std::unique_ptr<MeshArrays> arrays;
    std::int32_t vertexCount = 0;
    std::int32_t indexCount = 0;

    std::int32_t vertexBytes() const { return vertexCount * stride * 4; }
    std::int32_t indexBytes() const { return indexCount * 4; }

  private:
    void pack();
};
