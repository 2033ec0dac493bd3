// Matrix product and the matrices the renderer builds.
#include "math/matrix4.h"

#include <cmath>

Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
    Matrix4 c(0.0f);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            for (int k = 0; k < 4; ++k) c[i][j] += a[k][j] * b[i][k];
        }
    }
    return c;
}

float toRadians(float degrees) {
    return degrees * 0.017453292f;
}

Matrix4 perspective(float fovyDegrees, float aspect, float zNear, float zFar) {
    // The angle is halved in degrees before the conversion.
    const float e = std::tan(toRadians(0.5f * fovyDegrees));
    const float f = 1.0f / e;
    return Matrix4(Vec4(f / aspect, 0.0f, 0.0f, 0.0f), Vec4(0.0f, f, 0.0f, 0.0f),
                   Vec4(0.0f, 0.0f, (zNear + zFar) / (zNear - zFar), -1.0f),
                   Vec4(0.0f, 0.0f, 2.0f * zNear * zFar / (zNear - zFar), 0.0f));
}

Matrix4 translation(float x, float y, float z) {
    return Matrix4(Vec4(1.0f, 0.0f, 0.0f, 0.0f), Vec4(0.0f, 1.0f, 0.0f, 0.0f),
                   Vec4(0.0f, 0.0f, 1.0f, 0.0f), Vec4(x, y, z, 1.0f));
}

Matrix4 translation(const Vec3& offset) {
    return translation(offset[0], offset[1], offset[2]);
}

Matrix4 lookAt(const Vec3& eye, const Vec3& centre, const Vec3& up) {
    const Vec3 f = normalize(centre - eye);
    const Vec3 upUnit = normalize(up);
    const Vec3 s = cross(f, upUnit);  // not normalised again
    const Vec3 u = cross(s, f);
    const Matrix4 rotation(Vec4(s[0], u[0], -f[0], 0.0f), Vec4(s[1], u[1], -f[1], 0.0f),
                           Vec4(s[2], u[2], -f[2], 0.0f), Vec4(0.0f, 0.0f, 0.0f, 1.0f));
    return rotation * translation(-eye);
}
