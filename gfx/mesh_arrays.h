// MeshArrays: one OBJ model from the resources as per-component vertex arrays, with a tangent
// frame per triangle; the first stage of mesh preparation.
#pragma once

#include <cstdint>
#include <vector>

namespace objl {
struct Loader;
}

struct MeshArrays {
    // Loads TEXTFILE resources `objResourceId` (OBJ) and `mtlResourceId` (MTL). When the model
    // does not load, tells the user, shuts GLFW down and ends the process with code 0.
    MeshArrays(unsigned short objResourceId, unsigned short mtlResourceId, float scale);
    // Builds the arrays from a model that is already loaded.
    MeshArrays(const objl::Loader& loader, float scale);

    std::vector<float> positions;        // 3 per vertex, scaled
    std::vector<float> texCoords;        // 2 per vertex
    std::vector<float> normals;          // 3 per vertex, unit length
    std::vector<float> tangents;         // 3 per vertex, of the last triangle using the vertex
    std::vector<float> bitangents;       // 3 per vertex, likewise
    std::vector<float> ambient;          // 3 per vertex: Ka of the mesh's material
    std::vector<float> diffuse;          // 3 per vertex: Kd
    std::vector<float> specular;         // 4 per vertex: Ks, then Ns
    std::vector<std::uint32_t> indices;  // model-wide vertex indices, three per triangle
    std::int32_t vertexCount = 0;
    std::int32_t indexCount = 0;
    float scale;

  private:
    void build(const objl::Loader& loader);
};
