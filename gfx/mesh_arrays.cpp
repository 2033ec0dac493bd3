// MeshArrays: one OBJ model from the resources as per-component vertex arrays, with a tangent
// frame per triangle; the first stage of mesh preparation.
#include "gfx/mesh_arrays.h"

#include <GLFW/glfw3.h>

#include <cstddef>

#include "math/vec.h"
#include "objl/loader.h"
#include "platform/message_texts.h"
#include "platform/platform.h"
#include "resources/resource_ids.h"

namespace {

objl::ResourceText readTextFile(unsigned short id) {
    const platform::ResourceBytes bytes = platform::findResource(RT_TEXTFILE_NAME, id);
    return {reinterpret_cast<const char*>(bytes.data), bytes.size};
}

Vec3 vec3(const objl::Vector3& v) {
    return Vec3(v.X, v.Y, v.Z);
}

Vec3 vec3At(const std::vector<float>& array, std::size_t i) {
    return Vec3(array[3 * i], array[3 * i + 1], array[3 * i + 2]);
}

Vec2 vec2At(const std::vector<float>& array, std::size_t i) {
    return Vec2(array[2 * i], array[2 * i + 1]);
}

void store(std::vector<float>& array, std::size_t i, const Vec3& v) {
    for (int c = 0; c < 3; ++c) {
        array[3 * i + static_cast<std::size_t>(c)] = v[c];
    }
}

}  // namespace

MeshArrays::MeshArrays(unsigned short objResourceId, unsigned short mtlResourceId, float scale)
    : scale(scale) {
    objl::Loader loader(readTextFile);
    if (!loader.LoadModel(objResourceId, mtlResourceId)) {
        platform::showMessageBox(messages::kMeshLoadFailed, messages::kCaptionDebug,
                                 platform::MessageIcon::Information);
        glfwTerminate();
        platform::exitProcess(0);
    }
    build(loader);
}

MeshArrays::MeshArrays(const objl::Loader& loader, float scale) : scale(scale) {
    build(loader);
}

void MeshArrays::build(const objl::Loader& loader) {
    std::size_t vertexTotal = 0;
    std::size_t indexTotal = 0;
    for (const objl::Mesh& mesh : loader.Meshes) {
        vertexTotal += mesh.Vertices.size();
        indexTotal += mesh.Indices.size();
    }
    vertexCount = static_cast<std::int32_t>(vertexTotal);
    indexCount = static_cast<std::int32_t>(indexTotal);

    positions.assign(3 * vertexTotal, 0.0f);
    texCoords.assign(2 * vertexTotal, 0.0f);
    normals.assign(3 * vertexTotal, 0.0f);
    tangents.assign(3 * vertexTotal, 0.0f);
    bitangents.assign(3 * vertexTotal, 0.0f);
    ambient.assign(3 * vertexTotal, 0.0f);
    diffuse.assign(3 * vertexTotal, 0.0f);
    specular.assign(4 * vertexTotal, 0.0f);
    indices.assign(indexTotal, 0);

    std::size_t vertexBase = 0;
    std::size_t indexBase = 0;
    for (const objl::Mesh& mesh : loader.Meshes) {
        const objl::Material& material = mesh.AppliedMaterial;
        for (std::size_t j = 0; j < mesh.Vertices.size(); ++j) {
            const objl::Vertex& vertex = mesh.Vertices[j];
            const std::size_t n = vertexBase + j;
            store(positions, n, vec3(vertex.Position) * scale);
            store(normals, n, normalize(vec3(vertex.Normal)));
            texCoords[2 * n] = vertex.TexCoord.X;
            texCoords[2 * n + 1] = vertex.TexCoord.Y;
            store(ambient, n, vec3(material.Ka));
            store(diffuse, n, vec3(material.Kd));
            specular[4 * n] = material.Ks.X;
            specular[4 * n + 1] = material.Ks.Y;
            specular[4 * n + 2] = material.Ks.Z;
            specular[4 * n + 3] = material.Ns;
        }
        for (std::size_t k = 0; k < mesh.Indices.size(); ++k) {
            indices[indexBase + k] = static_cast<std::uint32_t>(vertexBase + mesh.Indices[k]);
        }
        vertexBase += mesh.Vertices.size();
        indexBase += mesh.Indices.size();
    }

    // Tangent frame per triangle; a vertex keeps the frame of the last triangle that uses it.
    // A triangle with an index outside the vertex array (or cut short) is left out.
    for (std::size_t t = 0; t + 2 < indexTotal; t += 3) {
        const std::size_t i0 = indices[t];
        const std::size_t i1 = indices[t + 1];
        const std::size_t i2 = indices[t + 2];
        if (i0 >= vertexTotal || i1 >= vertexTotal || i2 >= vertexTotal) {
            continue;
        }
        const Vec3 p0 = vec3At(positions, i0);
        const Vec3 e1 = vec3At(positions, i1) - p0;
        const Vec3 e2 = vec3At(positions, i2) - p0;
        const Vec2 u0 = vec2At(texCoords, i0);
        const Vec2 d1 = vec2At(texCoords, i1) - u0;
        const Vec2 d2 = vec2At(texCoords, i2) - u0;
        const float r = 1.0f / (d1[0] * d2[1] - d2[0] * d1[1]);
        const Vec3 tangent = normalize((e1 * d2[1] - e2 * d1[1]) * r);
        const Vec3 bitangent = normalize((e2 * d1[0] - e1 * d2[0]) * r);
        for (std::size_t i : {i0, i1, i2}) {
            store(tangents, i, tangent);
            store(bitangents, i, bitangent);
        }
    }
}
