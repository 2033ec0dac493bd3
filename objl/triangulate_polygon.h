// Ear-clipping triangulation of one OBJ face.
#pragma once

#include <cstdint>
#include <vector>

#include "objl/geometry.h"

namespace objl {

// Appends to `indices` 0-based positions in `vertices`, three per triangle (more when corners
// share a position: a triangle names every corner at each of its positions). Fewer than three
// corners give nothing, three give 0, 1, 2. Always terminates: when a pass over the remaining
// corners finds no ear, the triangles emitted so far are the result.
void TriangulatePolygon(const std::vector<Vertex>& vertices, std::vector<std::uint32_t>& indices);

}  // namespace objl
