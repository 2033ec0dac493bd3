// Fixed-size single-precision vectors: Vec2, Vec3, Vec4 are one template on
// the dimension N. A vector is exactly N contiguous floats, so arrays of
// vectors (and Matrix4) can be handed to OpenGL as plain floats.
#pragma once

#include <cmath>
#include <type_traits>

template <int N>
struct Vec {
    static_assert(N >= 2 && N <= 4, "Vec holds 2, 3 or 4 components");

    float v[N];

    // Leaves the components unset, like a plain float array.
    Vec() = default;

    // Construction from exactly N components, in order x, y, z, w.
    template <typename... T, typename = std::enable_if_t<sizeof...(T) == N && (N > 1)>>
    Vec(T... components) : v{static_cast<float>(components)...} {}

    // Fills every component with s (Vec4 only).
    template <int M = N, std::enable_if_t<M == 4, int> = 0>
    explicit Vec(float s) {
        for (int i = 0; i < N; ++i) v[i] = s;
    }

    float& operator[](int i) { return v[i]; }
    const float& operator[](int i) const { return v[i]; }

    static constexpr int dimension() { return N; }
};

using Vec2 = Vec<2>;
using Vec3 = Vec<3>;
using Vec4 = Vec<4>;

static_assert(sizeof(Vec2) == 8 && sizeof(Vec3) == 12 && sizeof(Vec4) == 16,
              "vectors are packed floats");
static_assert(std::is_standard_layout_v<Vec4> && std::is_trivially_copyable_v<Vec4>,
              "vectors are plain data");

template <int N>
Vec<N> operator+(const Vec<N>& a, const Vec<N>& b) {
    Vec<N> r;
    for (int i = 0; i < N; ++i) r[i] = a[i] + b[i];
    return r;
}

template <int N>
Vec<N> operator-(const Vec<N>& a, const Vec<N>& b) {
    Vec<N> r;
    for (int i = 0; i < N; ++i) r[i] = a[i] - b[i];
    return r;
}

template <int N>
Vec<N> operator-(const Vec<N>& a) {
    Vec<N> r;
    for (int i = 0; i < N; ++i) r[i] = -a[i];
    return r;
}

template <int N>
Vec<N> operator*(const Vec<N>& a, float s) {
    Vec<N> r;
    for (int i = 0; i < N; ++i) r[i] = a[i] * s;
    return r;
}

template <int N>
Vec<N> operator/(const Vec<N>& a, float s) {
    Vec<N> r;
    for (int i = 0; i < N; ++i) r[i] = a[i] / s;
    return r;
}

template <int N>
float length(const Vec<N>& a) {
    float sum = 0.0f;
    for (int i = 0; i < a.dimension(); ++i) sum += a[i] * a[i];
    return std::sqrt(sum);
}

// No guard against zero length: IEEE arithmetic gives the infinities or NaNs.
template <int N>
Vec<N> normalize(const Vec<N>& a) {
    const float len = length(a);
    return a / len;
}

inline Vec3 cross(const Vec3& a, const Vec3& b) {
    return Vec3(a[1] * b[2] - b[1] * a[2], a[2] * b[0] - b[2] * a[0], a[0] * b[1] - b[0] * a[1]);
}
