// objl's single-precision vector helpers.
#include "objl/geometry.h"

#include <cmath>

namespace objl {

Vector3 CrossProduct(const Vector3& a, const Vector3& b) {
    return Vector3(a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X);
}

float DotProduct(const Vector3& a, const Vector3& b) {
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

float Magnitude(const Vector3& a) {
    return std::sqrt(a.X * a.X + a.Y * a.Y + a.Z * a.Z);
}

float AngleBetween(const Vector3& a, const Vector3& b) {
    const float cosine = DotProduct(a, b) / (Magnitude(a) * Magnitude(b));
    return static_cast<float>(std::acos(static_cast<double>(cosine)));
}

bool PointInTriangle(const Vector3& p, const Vector3& t1, const Vector3& t2, const Vector3& t3) {
    const Vector3 u = t2 - t1;
    const Vector3 v = t3 - t1;
    const Vector3 n = CrossProduct(u, v);
    const Vector3 w = p - t1;
    const float nn = DotProduct(n, n);
    const float gamma = DotProduct(CrossProduct(u, w), n) / nn;
    const float beta = DotProduct(CrossProduct(w, v), n) / nn;
    const float alpha = 1.0f - gamma - beta;
    // Written so that a NaN weight fails every comparison.
    return alpha >= 0.0f && alpha <= 1.0f && beta >= 0.0f && beta <= 1.0f && gamma >= 0.0f &&
           gamma <= 1.0f;
}

}  // namespace objl
