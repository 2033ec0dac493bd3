// objl geometry records (Vector2, Vector3, Vertex) and the single-precision helpers that the
// loader and the triangulation use.
#pragma once

namespace objl {

struct Vector2 {
    Vector2() = default;
    Vector2(float x, float y) : X(x), Y(y) {}

    float X = 0.0f;
    float Y = 0.0f;
};

struct Vector3 {
    Vector3() = default;
    Vector3(float x, float y, float z) : X(x), Y(y), Z(z) {}

    // Exact float comparison of all three components (NaN never equal, 0 == -0).
    bool operator==(const Vector3& other) const {
        return X == other.X && Y == other.Y && Z == other.Z;
    }
    bool operator!=(const Vector3& other) const { return !(*this == other); }
    Vector3 operator-(const Vector3& other) const {
        return Vector3(X - other.X, Y - other.Y, Z - other.Z);
    }

    float X = 0.0f;
    float Y = 0.0f;
    float Z = 0.0f;
};

struct Vertex {
    Vector3 Position;
    Vector3 Normal;  // as read, or the generated face normal (not normalised)
    Vector2 TexCoord;
};

Vector3 CrossProduct(const Vector3& a, const Vector3& b);
float DotProduct(const Vector3& a, const Vector3& b);
float Magnitude(const Vector3& a);
// Radians; NaN for a zero-length vector.
float AngleBetween(const Vector3& a, const Vector3& b);
// Barycentric test on the triangle's plane; edges and corners count as inside, a degenerate
// triangle contains nothing.
bool PointInTriangle(const Vector3& p, const Vector3& t1, const Vector3& t2, const Vector3& t3);

}  // namespace objl
