#include "math/matrix4.h"

#include <gtest/gtest.h>

#include <cmath>

#include "math_expect.h"

namespace {

const double kPi = 3.14159265358979323846;

Matrix4 identity() {
    return translation(0.0f, 0.0f, 0.0f);
}

Matrix4 sample(float base) {
    Matrix4 m;
    for (int i = 0; i < 16; ++i) m.data()[i] = base + static_cast<float>(i * i % 7) - 0.5f * i;
    return m;
}

TEST(Matrix4, ScalarConstructionFillsEveryElement) {
    const Matrix4 ones(1.0f);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(ones.data()[i], 1.0f);
    const Matrix4 zero(0.0f);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(zero.data()[i], 0.0f);
}

TEST(Matrix4, DataIsColumnAfterColumn) {
    const Matrix4 m(Vec4(0, 1, 2, 3), Vec4(4, 5, 6, 7), Vec4(8, 9, 10, 11), Vec4(12, 13, 14, 15));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(m.data()[i], static_cast<float>(i));
    EXPECT_EQ(m[2][1], 9.0f);  // column 2, row 1
}

TEST(Matrix4, ToRadiansUsesTheSinglePrecisionFactor) {
    EXPECT_EQ(toRadians(1.0f), 0.017453292f);
    EXPECT_NEAR(toRadians(180.0f), kPi, 1e-6);
}

TEST(Matrix4, PerspectiveMatchesTheProjectionFormula) {
    struct Case {
        float aspect;
        double expectedX;  // element (row 0, column 0)
    };
    const double f = 1.0 / std::tan(25.0 * kPi / 180.0);
    const Case cases[] = {{1920.0f / 1080.0f, f * 1080.0 / 1920.0}, {800.0f / 600.0f, f * 0.75}};
    for (const Case& c : cases) {
        const double n = 0.1, far = 1000.0;
        const RowMajor expected{{{c.expectedX, 0, 0, 0},
                                 {0, f, 0, 0},
                                 {0, 0, (n + far) / (n - far), 2 * n * far / (n - far)},
                                 {0, 0, -1, 0}}};
        expectMatrixNear(perspective(50.0f, c.aspect, 0.1f, 1000.0f), expected, 1e-5);
    }
    EXPECT_NEAR(f, 2.1445, 1e-4);
    EXPECT_NEAR(perspective(50.0f, 1920.0f / 1080.0f, 0.1f, 1000.0f)[0][0], 1.206, 1e-3);
    EXPECT_NEAR(perspective(50.0f, 800.0f / 600.0f, 0.1f, 1000.0f)[0][0], 1.608, 1e-3);
}

TEST(Matrix4, PerspectiveWithZeroAspectDoesNotTrap) {
    const Matrix4 p = perspective(50.0f, 0.0f, 0.1f, 1000.0f);
    EXPECT_TRUE(std::isinf(p[0][0]));
}

TEST(Matrix4, Translation) {
    const RowMajor expected{{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, -100}, {0, 0, 0, 1}}};
    expectMatrixNear(translation(0.0f, 0.0f, -100.0f), expected, 0.0);
    expectMatrixEq(translation(Vec3(2.0f, -3.0f, 5.0f)), translation(2.0f, -3.0f, 5.0f));
    const Vec3 a(1.0f, 2.0f, 3.0f), b(-4.0f, 0.5f, 8.0f);
    expectMatrixEq(translation(a) * translation(b), translation(a + b));
}

TEST(Matrix4, ProductOrderAndIdentity) {
    const Matrix4 a = sample(1.0f);
    const Matrix4 b = sample(-2.0f);
    expectMatrixEq(a * identity(), a);
    expectMatrixEq(identity() * a, a);

    // Independent reference: rows times columns in double precision.
    const Matrix4 ab = a * b;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += double(a[k][row]) * double(b[col][k]);
            EXPECT_NEAR(ab[col][row], sum, 1e-4);
        }
    }
    const Matrix4 ba = b * a;
    bool differs = false;
    for (int i = 0; i < 16; ++i) differs = differs || ab.data()[i] != ba.data()[i];
    EXPECT_TRUE(differs);

    // The right-hand matrix acts first: translating then scaling by 2 doubles the offset.
    Matrix4 scale2 = identity();
    scale2[0][0] = scale2[1][1] = scale2[2][2] = 2.0f;
    const Matrix4 m = scale2 * translation(1.0f, 2.0f, 3.0f);
    EXPECT_EQ(m[3][0], 2.0f);
    EXPECT_EQ(m[3][1], 4.0f);
    EXPECT_EQ(m[3][2], 6.0f);
}

TEST(Matrix4, ProductLeavesOperandsUnchanged) {
    const Matrix4 a = sample(3.0f);
    Matrix4 copy = a;
    Matrix4 result = a * a;
    (void)result;
    expectMatrixEq(a, copy);
}

TEST(Matrix4, LookAtAlongMinusZIsATranslation) {
    expectMatrixEq(lookAt(Vec3(0, 0, 100), Vec3(0, 0, 99), Vec3(0, 1, 0)),
                   translation(0.0f, 0.0f, -100.0f));
}

TEST(Matrix4, LookAtRowsAreSideUpAndBackward) {
    // Looking from the origin along +x with y up: side = -z... computed independently.
    const Matrix4 v = lookAt(Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(0, 1, 0));
    const RowMajor expected{{{0, 0, 1, 0}, {0, 1, 0, 0}, {-1, 0, 0, 0}, {0, 0, 0, 1}}};
    expectMatrixNear(v, expected, 1e-6);
}

}  // namespace
