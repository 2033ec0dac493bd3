// Mesh preparation: the rectangle model, scale, several meshes, the tangent frame, bad input
// and the failure path.
#include <gtest/gtest.h>

#include <cmath>

#include "gfx/interleaved_mesh.h"
#include "gfx/mesh_arrays.h"
#include "objl/loader.h"
#include "resources/resource_ids.h"

namespace {

std::array<float, 3> at3(const std::vector<float>& data, std::size_t offset) {
    return {data[offset], data[offset + 1], data[offset + 2]};
}

using Triple = std::array<float, 3>;

objl::Vertex vertex(float x, float y, float u, float v) {
    objl::Vertex result;
    result.Position = objl::Vector3(x, y, 0.0f);
    result.Normal = objl::Vector3(0.0f, 0.0f, 2.0f);
    result.TexCoord = objl::Vector2(u, v);
    return result;
}

objl::Mesh mesh(std::vector<objl::Vertex> vertices, std::vector<std::uint32_t> indices,
                objl::Vector3 colour) {
    objl::Mesh result(vertices, indices);
    result.AppliedMaterial.Ka = colour;
    result.AppliedMaterial.Kd = colour;
    result.AppliedMaterial.Ks = objl::Vector3(0.5f, 0.5f, 0.5f);
    result.AppliedMaterial.Ns = 8.0f;
    return result;
}

}  // namespace

TEST(MeshPreparation, RectangleModelFromTheEmbeddedResources) {
    testing::internal::CaptureStdout();  // the loader's progress text
    const InterleavedMesh rectangle(IDR_RECTANGLE_OBJ, IDR_RECTANGLE_MTL, 1.0f);
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(rectangle.stride, 24);
    EXPECT_EQ((std::array<std::int32_t, 8>{rectangle.positionOffset, rectangle.texCoordOffset,
                                           rectangle.normalOffset, rectangle.tangentOffset,
                                           rectangle.bitangentOffset, rectangle.ambientOffset,
                                           rectangle.diffuseOffset, rectangle.specularOffset}),
              (std::array<std::int32_t, 8>{0, 3, 5, 8, 11, 14, 17, 20}));
    ASSERT_EQ(rectangle.vertexCount, 6);
    ASSERT_EQ(rectangle.indexCount, 6);
    EXPECT_EQ(rectangle.vertexBytes(), 6 * 96);
    EXPECT_EQ(rectangle.indexBytes(), 24);
    ASSERT_EQ(rectangle.vertexData.size(), 6u * 24u);
    EXPECT_EQ(rectangle.indexData, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    ASSERT_NE(rectangle.arrays, nullptr);

    const float green[3] = {0.7765f, 0.8824f, 0.3412f};
    for (std::size_t i = 0; i < 6; ++i) {
        const std::size_t base = i * 24;
        const std::vector<float>& d = rectangle.vertexData;
        EXPECT_EQ(std::fabs(d[base + 0]), 1.0f) << i;
        EXPECT_EQ(std::fabs(d[base + 1]), 1.0f) << i;
        EXPECT_EQ(d[base + 2], 0.0f) << i;
        EXPECT_EQ(d[base + 3], (d[base + 0] + 1.0f) / 2.0f) << i;  // u
        EXPECT_EQ(d[base + 4], (d[base + 1] + 1.0f) / 2.0f) << i;  // v
        // Zero components may carry a negative sign; == treats -0 and 0 alike.
        EXPECT_EQ(at3(d, base + 5), (Triple{0, 0, 1})) << "normal " << i;
        EXPECT_EQ(at3(d, base + 8), (Triple{1, 0, 0})) << "tangent " << i;
        EXPECT_EQ(at3(d, base + 11), (Triple{0, 1, 0})) << "bitangent " << i;
        EXPECT_EQ(at3(d, base + 14), (Triple{green[0], green[1], green[2]})) << "ambient " << i;
        EXPECT_EQ(at3(d, base + 17), (Triple{green[0], green[1], green[2]})) << "diffuse " << i;
        EXPECT_EQ(at3(d, base + 20), (Triple{0.35f, 0.35f, 0.35f})) << "specular " << i;
        EXPECT_EQ(d[base + 23], 32.0f) << i;
    }
}

TEST(MeshPreparation, ScaleTouchesPositionsOnly) {
    testing::internal::CaptureStdout();
    const InterleavedMesh once(IDR_RECTANGLE_OBJ, IDR_RECTANGLE_MTL, 1.0f);
    const InterleavedMesh twice(IDR_RECTANGLE_OBJ, IDR_RECTANGLE_MTL, 2.0f);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(once.vertexData.size(), twice.vertexData.size());
    EXPECT_EQ(twice.arrays->scale, 2.0f);
    for (std::size_t i = 0; i < once.vertexData.size(); ++i) {
        const float factor = i % 24 < 3 ? 2.0f : 1.0f;
        EXPECT_EQ(twice.vertexData[i], once.vertexData[i] * factor) << i;
    }
}

TEST(MeshPreparation, SeveralMeshesFollowEachOtherWithRaisedIndices) {
    objl::Loader loader;
    loader.Progress = nullptr;
    ASSERT_TRUE(loader.LoadModelFromText(
        "mtllib m\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
        "o Quad\nusemtl red\nf 1/1 2/2 3/3 4/4\no Tri\nusemtl blue\nf 1/1 2/2 3/3\n",
        "newmtl red\nKa 1 0 0\nKd 1 0 0\nKs 1 1 1\nNs 5\nnewmtl blue\nKa 0 0 1\nKd 0 0 1\n"));
    ASSERT_EQ(loader.Meshes.size(), 2u);

    const InterleavedMesh packed(std::make_unique<MeshArrays>(loader, 1.0f));
    EXPECT_EQ(packed.vertexCount, 7);
    EXPECT_EQ(packed.indexData, (std::vector<std::uint32_t>{0, 1, 3, 1, 2, 3, 4, 5, 6}));
    for (std::size_t i = 0; i < 7; ++i) {
        const bool red = i < 4;
        EXPECT_EQ(at3(packed.vertexData, i * 24 + 14), red ? (Triple{1, 0, 0}) : (Triple{0, 0, 1}))
            << i;
        EXPECT_EQ(packed.vertexData[i * 24 + 23], red ? 5.0f : 0.0f) << i;
        // The generated normal (p0 - p1) x (p2 - p1) points to -z, normalised.
        EXPECT_EQ(at3(packed.vertexData, i * 24 + 5), (Triple{0, 0, -1})) << i;
    }
}

TEST(MeshPreparation, ASharedVertexKeepsTheFrameOfItsLastTriangle) {
    // Triangle 0 maps u along +x; triangle 1 maps u along +y. Vertices 0 and 2 are shared.
    objl::Loader loader;
    loader.Meshes.push_back(
        mesh({vertex(0, 0, 0, 0), vertex(1, 0, 1, 0), vertex(1, 1, 1, 1), vertex(0, 1, 1, 0)},
             {0, 1, 2, 0, 2, 3}, objl::Vector3(1, 1, 1)));
    const MeshArrays arrays(loader, 1.0f);
    EXPECT_EQ(at3(arrays.tangents, 3 * 1), (Triple{1, 0, 0}));
    EXPECT_EQ(at3(arrays.bitangents, 3 * 1), (Triple{0, 1, 0}));
    for (std::size_t i : {0u, 2u, 3u}) {
        EXPECT_EQ(at3(arrays.tangents, 3 * i), (Triple{0, 1, 0})) << i;
        EXPECT_EQ(at3(arrays.bitangents, 3 * i), (Triple{1, 0, 0})) << i;
    }
    EXPECT_EQ(at3(arrays.normals, 0), (Triple{0, 0, 1}));  // normalised from length 2
}

TEST(MeshPreparation, DegenerateInputGivesNonFiniteValuesAndGoesOn) {
    objl::Vertex flat = vertex(0, 0, 0, 0);
    flat.Normal = objl::Vector3();
    objl::Loader loader;
    loader.Meshes.push_back(
        mesh({flat, vertex(1, 0, 0, 0), vertex(0, 1, 0, 0)}, {0, 1, 2}, objl::Vector3()));
    const MeshArrays arrays(loader, 1.0f);
    EXPECT_TRUE(std::isnan(arrays.normals[0]));  // zero normal
    EXPECT_FALSE(std::isfinite(arrays.tangents[0]) && std::isfinite(arrays.tangents[1]));
}

TEST(MeshPreparation, BadIndicesAreNotFollowed) {
    // Indices past the vertices and a count that is no multiple of three: no frame is read
    // or written outside the arrays (ASan watches), the rest is copied.
    objl::Loader loader;
    loader.Meshes.push_back(mesh({vertex(0, 0, 0, 0), vertex(1, 0, 1, 0), vertex(0, 1, 0, 1)},
                                 {0, 1, 9, 0, 1, 2, 2}, objl::Vector3()));
    const InterleavedMesh packed(std::make_unique<MeshArrays>(loader, 1.0f));
    EXPECT_EQ(packed.indexCount, 7);
    EXPECT_EQ(at3(packed.vertexData, 8), (Triple{1, 0, 0}));
}

TEST(MeshPreparationDeathTest, AModelThatDoesNotLoadEndsTheProcessWithCodeZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(InterleavedMesh(9999, IDR_RECTANGLE_MTL, 1.0f), testing::ExitedWithCode(0),
                "^Debug: Failed to load mesh\n$");
}
