// Ear clipping of single faces: index orders, skipped corners, shared positions, termination.
#include "objl/triangulate_polygon.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

using objl::Vertex;

namespace {

std::vector<Vertex> face(const std::vector<std::array<float, 2>>& corners) {
    std::vector<Vertex> vertices;
    for (const auto& corner : corners) {
        Vertex vertex;
        vertex.Position = objl::Vector3(corner[0], corner[1], 0.0f);
        vertices.push_back(vertex);
    }
    return vertices;
}

std::vector<std::array<float, 2>> regularPolygon(int corners) {
    std::vector<std::array<float, 2>> points;
    for (int k = 0; k < corners; ++k) {
        const double angle = 2.0 * 3.14159265358979 * k / corners;
        points.push_back(
            {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))});
    }
    return points;
}

std::vector<std::uint32_t> triangulate(const std::vector<Vertex>& vertices) {
    std::vector<std::uint32_t> indices;
    objl::TriangulatePolygon(vertices, indices);
    return indices;
}

}  // namespace

TEST(TriangulatePolygon, IndexOrders) {
    struct Case {
        const char* name;
        std::vector<std::array<float, 2>> corners;
        std::vector<std::uint32_t> indices;
    };
    const Case cases[] = {
        {"no corner", {}, {}},
        {"one corner", {{0, 0}}, {}},
        {"two corners", {{0, 0}, {1, 0}}, {}},
        {"triangle, even a degenerate one", {{0, 0}, {1, 0}, {2, 0}}, {0, 1, 2}},
        {"convex four", regularPolygon(4), {0, 1, 3, 1, 2, 3}},
        {"convex five", regularPolygon(5), {0, 1, 4, 1, 2, 4, 2, 3, 4}},
        {"convex six", regularPolygon(6), {0, 1, 5, 1, 2, 5, 2, 3, 5, 3, 4, 5}},
        // A dart: the split along corners 1-3 is made whatever corner is reflex.
        {"concave four, reflex third", {{0, 2}, {-1, -1}, {0, 0}, {1, -1}}, {0, 1, 3, 1, 2, 3}},
        {"concave four, reflex first", {{0, 0}, {1, -1}, {0, 2}, {-1, -1}}, {0, 1, 3, 1, 2, 3}},
        // The first corner lies on the segment between its neighbours: skipped at first.
        {"five, first corner straight",
         {{1, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}},
         {0, 1, 2, 0, 2, 4, 2, 3, 4}},
        // A reflex first corner whose triangle holds no other corner is clipped all the same.
        {"five, notch at the first corner",
         {{0, 1}, {-2, 2}, {-2, -2}, {2, -2}, {2, 2}},
         {0, 1, 4, 1, 2, 4, 2, 3, 4}},
        // Corner 3 lies inside the triangles of corners 0 and (on an edge) 1.
        {"five, candidates containing a corner",
         {{0, 0}, {4, 0}, {4, 4}, {1, 1}, {0, 4}},
         {1, 2, 3, 0, 1, 4, 1, 3, 4}},
        // Corners 0 and 4 share a position: every triangle there names both.
        {"five, repeated position",
         {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}},
         {0, 0, 1, 4, 4, 0, 1, 2, 4, 0, 2, 3, 4}},
        {"five on one line: no ear at all", {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}, {}},
        // Self-intersecting: after one ear no remaining corner passes; scanning again would
        // find none forever, so the triangles so far are the result.
        {"six, no ear after the first",
         {{1, 0}, {0, 4}, {2, 0}, {0, 0}, {1, 4}, {3, 0}},
         {0, 1, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(triangulate(face(c.corners)), c.indices) << c.name;
    }
}

TEST(TriangulatePolygon, AppendsToTheListItIsGiven) {
    std::vector<std::uint32_t> indices = {7};
    objl::TriangulatePolygon(face({{0, 0}, {1, 0}, {0, 1}}), indices);
    EXPECT_EQ(indices, (std::vector<std::uint32_t>{7, 0, 1, 2}));
}

TEST(TriangulatePolygon, EndsOnCornersThatNeverCompareEqual) {
    // NaN positions: every angle is NaN, nothing matches when indices are emitted, and no
    // corner equals itself when it is to be removed; the clipping must still run out.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(
        triangulate(face({{nan, 0}, {1, nan}, {nan, nan}, {2, nan}, {nan, 3}, {4, nan}})).empty());
}

TEST(TriangulatePolygon, ManyCornersStayFast) {
    // A large convex face: one ear per pass, each found at the first corner.
    const std::vector<std::uint32_t> indices = triangulate(face(regularPolygon(400)));
    EXPECT_EQ(indices.size(), 3u * 398u);
}
