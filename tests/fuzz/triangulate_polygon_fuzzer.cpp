// Fuzz target: TriangulatePolygon on arbitrary faces. The first byte picks how the rest becomes
// corner positions: raw floats (any value, NaN and infinities included) or small integer
// steps (many repeated, collinear and reflex corners). Every index must name a corner.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "objl/triangulate_polygon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const bool rawFloats = (data[0] & 1) != 0;
    ++data;
    --size;

    std::vector<objl::Vertex> face;
    if (rawFloats) {
        for (std::size_t offset = 0; offset + 12 <= size; offset += 12) {
            float xyz[3];
            std::memcpy(xyz, data + offset, sizeof xyz);
            objl::Vertex vertex;
            vertex.Position = objl::Vector3(xyz[0], xyz[1], xyz[2]);
            face.push_back(vertex);
        }
    } else {
        for (std::size_t offset = 0; offset + 2 <= size; offset += 2) {
            objl::Vertex vertex;
            vertex.Position = objl::Vector3(
                static_cast<float>(static_cast<std::int8_t>(data[offset])) / 4.0f,
                static_cast<float>(static_cast<std::int8_t>(data[offset + 1])) / 4.0f, 0.0f);
            face.push_back(vertex);
        }
    }

    std::vector<std::uint32_t> indices;
    objl::TriangulatePolygon(face, indices);
    for (std::uint32_t index : indices) {
        if (index >= face.size()) {
            std::abort();
        }
    }
    return 0;
}
