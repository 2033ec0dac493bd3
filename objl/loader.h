// objl::Loader: reads a Wavefront OBJ model and its MTL materials into meshes of triangles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "objl/geometry.h"

namespace objl {

struct Material {
    std::string Name;
    Vector3 Ka;
    Vector3 Kd;
    Vector3 Ks;
    float Ns = 0.0f;
    float Ni = 0.0f;
    float d = 0.0f;
    std::int32_t illum = 0;
    std::string map_Ka;
    std::string map_Kd;
    std::string map_Ks;
    std::string map_Ns;
    std::string map_d;
    std::string map_bump;
};

struct Mesh {
    Mesh() = default;
    Mesh(const std::vector<Vertex>& vertices, const std::vector<std::uint32_t>& indices)
        : Vertices(vertices), Indices(indices) {}

    std::string Name;
    std::vector<Vertex> Vertices;
    std::vector<std::uint32_t> Indices;  // three per triangle, into Vertices
    Material AppliedMaterial;
};

// The bytes of a text resource; {nullptr, 0} when it does not exist.
struct ResourceText {
    const char* data;
    std::size_t size;
};
using ResourceReader = ResourceText (*)(unsigned short id);

struct Loader {
    Loader() = default;
    // `reader` fetches the resource texts that LoadModel and LoadMaterials name by id.
    explicit Loader(ResourceReader reader) : ReadResource(reader) {}

    // Loads the OBJ text of resource `objResourceId`; every "mtllib" line reads the MTL text of
    // `mtlResourceId`. True when anything was loaded. Malformed text never throws: a number
    // that does not convert makes the load fail; a bad index, a corner of no or too many
    // fields, a face too small for its generated normal or a statement short of values is
    // skipped.
    bool LoadModel(unsigned short objResourceId, unsigned short mtlResourceId);
    // Appends the materials of resource `mtlResourceId` to Materials.
    bool LoadMaterials(unsigned short mtlResourceId);

    // The same on texts in memory: `mtlText` stands for the material resource.
    bool LoadModelFromText(const std::string& objText, const std::string& mtlText);
    bool LoadMaterialsFromText(const std::string& mtlText);

    std::vector<Mesh> Meshes;
    std::vector<Vertex> AllVertices;
    std::vector<std::uint32_t> AllIndices;
    std::vector<Material> Materials;

    ResourceReader ReadResource = nullptr;  // no reader: every resource is missing
    std::ostream* Progress = &std::cout;    // where progress text goes; null for nowhere

  private:
    enum class ParseResult { Done, OutOfMemory, BadNumber };
    ParseResult parseModel(const std::string& objText, unsigned short mtlResourceId,
                           const std::string* mtlText);
    ParseResult parseMaterials(const std::string& mtlText);
    void readResource(unsigned short id, std::string* text) const;  // missing: empty
};

}  // namespace objl
