// Fuzz target: the OBJ/MTL loader on arbitrary text. The input is the OBJ text, optionally
// followed by a NUL byte and the MTL text. Checks that every index names an existing vertex.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "objl/loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string obj = input.substr(0, split);
    const std::string mtl = split == std::string::npos ? std::string() : input.substr(split + 1);

    objl::Loader loader;
    loader.Progress = nullptr;
    const bool loaded = loader.LoadModelFromText(obj, mtl);
    if (loaded !=
        !(loader.Meshes.empty() && loader.AllVertices.empty() && loader.AllIndices.empty())) {
        std::abort();
    }
    for (const objl::Mesh& mesh : loader.Meshes) {
        if (mesh.Vertices.empty() || mesh.Indices.empty()) {
            std::abort();
        }
        for (std::uint32_t index : mesh.Indices) {
            if (index >= mesh.Vertices.size()) {
                std::abort();
            }
        }
    }
    for (std::uint32_t index : loader.AllIndices) {
        if (index >= loader.AllVertices.size()) {
            std::abort();
        }
    }
    return 0;
}
