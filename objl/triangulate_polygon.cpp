// Ear-clipping triangulation of one OBJ face.
//
// Corners are identified by position, not by list index: every emitted triangle names each
// corner of the face whose position equals one of its three corners, in face order, so the
// face's winding is kept.
#include "objl/triangulate_polygon.h"

#include <cstddef>

namespace objl {

namespace {

constexpr double kDegreesPerRadian = 57.29577951307855;  // 180 / 3.14159265359

void emitTriangle(const std::vector<Vertex>& face, const Vector3& c, const Vector3& p,
                  const Vector3& n, std::vector<std::uint32_t>& indices) {
    for (std::size_t j = 0; j < face.size(); ++j) {
        const Vector3& position = face[j].Position;
        for (const Vector3* corner : {&c, &p, &n}) {
            if (position == *corner) {
                indices.push_back(static_cast<std::uint32_t>(j));
            }
        }
    }
}

}  // namespace

void TriangulatePolygon(const std::vector<Vertex>& vertices, std::vector<std::uint32_t>& indices) {
    if (vertices.size() < 3) {
        return;
    }
    if (vertices.size() == 3) {
        indices.push_back(0);
        indices.push_back(1);
        indices.push_back(2);
        return;
    }

    std::vector<Vertex> remaining = vertices;
    // One scan. After each clip it restarts at the first remaining corner; it ends when it has
    // run past the last corner without clipping or after the final four-corner split. Scanning
    // again after that would meet exactly the same corners and find no ear either, so this is
    // where the triangulation stops, with the triangles emitted so far.
    std::size_t i = 0;
    while (i < remaining.size()) {
        const std::size_t count = remaining.size();
        const Vector3 c = remaining[i].Position;
        const Vector3 p = remaining[i == 0 ? count - 1 : i - 1].Position;
        const Vector3 n = remaining[i + 1 == count ? 0 : i + 1].Position;

        if (count == 4) {
            emitTriangle(vertices, c, p, n, indices);
            Vector3 q;  // the origin when no fourth distinct position remains
            for (const Vertex& corner : remaining) {
                if (corner.Position != c && corner.Position != p && corner.Position != n) {
                    q = corner.Position;
                    break;
                }
            }
            emitTriangle(vertices, p, n, q, indices);
            remaining.clear();
            break;
        }

        const double angle = static_cast<double>(AngleBetween(p - c, n - c)) * kDegreesPerRadian;
        if (angle <= 0.0 || angle >= 180.0) {  // a NaN angle passes
            ++i;
            continue;
        }

        bool containsCorner = false;
        for (const Vertex& corner : vertices) {
            const Vector3& position = corner.Position;
            if (PointInTriangle(position, p, c, n) && position != p && position != c &&
                position != n) {
                containsCorner = true;
                break;
            }
        }
        if (containsCorner) {
            ++i;
            continue;
        }

        emitTriangle(vertices, c, p, n, indices);
        // The first corner at C's position goes; C itself when none compares equal (NaN), so
        // that every clip shortens the list.
        std::size_t clipped = i;
        for (std::size_t k = 0; k < remaining.size(); ++k) {
            if (remaining[k].Position == c) {
                clipped = k;
                break;
            }
        }
        remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(clipped));
        i = 0;
    }
}

}  // namespace objl
