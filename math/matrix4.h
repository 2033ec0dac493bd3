// A 4x4 single-precision matrix stored as four Vec4 columns: the 16 floats lie
// column after column, the layout a GL matrix uniform reads with transposition
// off. Column-vector convention: in A * B the right-hand matrix acts first.
#pragma once

#include "math/vec.h"

struct Matrix4 {
    Vec4 columns[4];

    // Leaves all 16 elements unset; this is not the identity.
    Matrix4() = default;
    Matrix4(const Vec4& c0, const Vec4& c1, const Vec4& c2, const Vec4& c3)
        : columns{c0, c1, c2, c3} {}
    // Every element s: Matrix4(0) is the zero matrix, Matrix4(1) is all ones.
    explicit Matrix4(float s) : columns{Vec4(s), Vec4(s), Vec4(s), Vec4(s)} {}

    Vec4& operator[](int column) { return columns[column]; }
    const Vec4& operator[](int column) const { return columns[column]; }

    float* data() { return &columns[0][0]; }
    const float* data() const { return &columns[0][0]; }
};

static_assert(sizeof(Matrix4) == 64, "a matrix is 16 packed floats");

Matrix4 operator*(const Matrix4& a, const Matrix4& b);

float toRadians(float degrees);

// Right-handed projection onto clip space, z from -1 (near) to +1 (far).
Matrix4 perspective(float fovyDegrees, float aspect, float zNear, float zFar);

Matrix4 translation(float x, float y, float z);
Matrix4 translation(const Vec3& offset);

Matrix4 lookAt(const Vec3& eye, const Vec3& centre, const Vec3& up);
