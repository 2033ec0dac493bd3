#include "math/vec.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectVec3(const Vec3& v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v[0], x);
    EXPECT_FLOAT_EQ(v[1], y);
    EXPECT_FLOAT_EQ(v[2], z);
}

TEST(Vec, ComponentWiseArithmetic) {
    const Vec3 a(1.0f, 2.0f, 3.0f);
    const Vec3 b(0.5f, -4.0f, 8.0f);
    expectVec3(a + b, 1.5f, -2.0f, 11.0f);
    expectVec3(a - b, 0.5f, 6.0f, -5.0f);
    expectVec3(-a, -1.0f, -2.0f, -3.0f);
    expectVec3(a * 2.0f, 2.0f, 4.0f, 6.0f);
    expectVec3(a / 4.0f, 0.25f, 0.5f, 0.75f);
    const Vec2 d = Vec2(3.0f, 1.0f) - Vec2(1.0f, 4.0f);
    EXPECT_FLOAT_EQ(d[0], 2.0f);
    EXPECT_FLOAT_EQ(d[1], -3.0f);
}

TEST(Vec, NegationFlipsTheSignOfZero) {
    const Vec3 n = -Vec3(0.0f, 1.0f, 0.0f);
    EXPECT_TRUE(std::signbit(n[0]));
    EXPECT_TRUE(std::signbit(n[2]));
}

TEST(Vec, DimensionAndFill) {
    EXPECT_EQ(Vec2::dimension(), 2);
    EXPECT_EQ(Vec3::dimension(), 3);
    EXPECT_EQ(Vec4::dimension(), 4);
    const Vec4 f(7.5f);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(f[i], 7.5f);
    const Vec4 w(1.0f, 2.0f, 3.0f, 4.0f);
    EXPECT_EQ(w[3], 4.0f);
}

TEST(Vec, LengthAndNormalize) {
    EXPECT_FLOAT_EQ(length(Vec3(1.0f, 2.0f, 2.0f)), 3.0f);
    expectVec3(normalize(Vec3(3.0f, 0.0f, 4.0f)), 0.6f, 0.0f, 0.8f);
}

TEST(Vec, NormalizingZeroGivesNaNWithoutTrapping) {
    const Vec3 n = normalize(Vec3(0.0f, 0.0f, 0.0f));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(std::isnan(n[i]));
}

TEST(Vec, Cross) {
    struct Case {
        Vec3 a, b, expected;
    };
    const Case cases[] = {
        {Vec3(1, 0, 0), Vec3(0, 1, 0), Vec3(0, 0, 1)},
        {Vec3(0, 1, 0), Vec3(0, 0, 1), Vec3(1, 0, 0)},
        {Vec3(0, 0, 1), Vec3(1, 0, 0), Vec3(0, 1, 0)},
        {Vec3(1, 2, 3), Vec3(4, 5, 6), Vec3(-3, 6, -3)},
    };
    for (const Case& c : cases) {
        const Vec3 ab = cross(c.a, c.b);
        const Vec3 ba = cross(c.b, c.a);
        for (int i = 0; i < 3; ++i) {
            EXPECT_FLOAT_EQ(ab[i], c.expected[i]);
            EXPECT_FLOAT_EQ(ba[i], -c.expected[i]);
        }
    }
}

}  // namespace
