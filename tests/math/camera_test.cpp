#include "math/camera.h"

#include <gtest/gtest.h>

#include <cmath>

#include "math_expect.h"

namespace {

void expectVec3(const Vec3& v, double x, double y, double z, double tol = 1e-6) {
    EXPECT_NEAR(v[0], x, tol);
    EXPECT_NEAR(v[1], y, tol);
    EXPECT_NEAR(v[2], z, tol);
}

const double kOneDegree = 3.14159265358979323846 / 180.0;

TEST(Camera, ConstructionLooksDownMinusZ) {
    const Camera c(0.0f, 0.0f, 100.0f);
    EXPECT_EQ(c.viewIndex, 0);
    expectVec3(c.position, 0, 0, 100, 0);
    expectVec3(c.target, 0, 0, 99, 0);
    expectVec3(c.direction, 0, 0, -1, 0);
    expectVec3(c.right, 1, 0, 0, 0);
    expectVec3(c.up, 0, 1, 0, 0);
}

TEST(Camera, PitchZeroChangesNothing) {
    Camera c(1.0f, 2.0f, 3.0f);
    c.pitch(0.0f);
    expectVec3(c.direction, 0, 0, -1, 0);
    expectVec3(c.up, 0, 1, 0, 0);
    expectVec3(c.target, 1, 2, 2, 0);
}

TEST(Camera, PitchOneDegreeTiltsUpAndKeepsTheFrameOrthonormal) {
    Camera c(0.0f, 0.0f, 100.0f);
    c.pitch(1.0f);
    const double s = std::sin(kOneDegree), co = std::cos(kOneDegree);
    expectVec3(c.direction, 0, s, -co);
    expectVec3(c.up, 0, co, s);
    expectVec3(c.right, 1, 0, 0, 0);
    expectVec3(c.target, 0, s, 100 - co, 1e-5);
    EXPECT_NEAR(length(c.direction), 1.0, 1e-6);
    EXPECT_NEAR(length(c.up), 1.0, 1e-6);
    EXPECT_NEAR(c.direction[1] * c.up[1] + c.direction[2] * c.up[2], 0.0, 1e-7);
}

TEST(Camera, UpdateViewOfThePitchedCamera) {
    Camera c(0.0f, 0.0f, 100.0f);
    c.pitch(1.0f);
    c.updateView(0);
    const double s = std::sin(kOneDegree), co = std::cos(kOneDegree);
    // Columns (1,0,0,0), (0,cos,-sin,0), (0,sin,cos,0), (0,-100 sin,-100 cos,1), written as rows.
    const RowMajor expected{{{1, 0, 0, 0},
                             {0, co, s, -100 * s},
                             {0, -s, co, -100 * co},
                             {0, 0, 0, 1}}};
    expectMatrixNear(c.getView(), expected, 1e-4);
    EXPECT_EQ(c.viewIndex, 0);
}

TEST(Camera, ViewSlotsAreSelectedWithoutRecomputation) {
    Camera c(0.0f, 0.0f, 100.0f);
    c.updateView(3);
    EXPECT_EQ(c.viewIndex, 3);
    const Matrix4 straight = c.getView();
    c.pitch(10.0f);
    c.updateView(0);
    c.setViewIndex(3);
    expectMatrixEq(c.getView(), straight);  // slot 3 as last written, not recomputed
}

TEST(Camera, ProjectionRoundTrips) {
    Camera c(0.0f, 0.0f, 0.0f);
    const Matrix4 p = perspective(50.0f, 1.5f, 0.1f, 1000.0f);
    c.setProjection(p);
    expectMatrixEq(c.getProjection(), p);
}

}  // namespace
