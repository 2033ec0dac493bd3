// A CPU evaluation of the ocean picture for comparing rendered pixels. It follows the picture's
// formulas step by step (ray, secant trace, normals, shading, blend) in plain code that shares
// nothing with the shader text. R is the arithmetic: float, as the GPU computes it, or double.
#pragma once

#include <algorithm>
#include <cmath>

namespace ocean_reference {

template <typename R>
struct Vec3R {
    R x, y, z;
};
using V3 = Vec3R<float>;

template <typename R>
struct Ocean {
    using V = Vec3R<R>;

    static V add(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    static V sub(V a, V b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    static V mul(V a, R s) { return {a.x * s, a.y * s, a.z * s}; }
    static R dot(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
    static V normalize(V a) { return mul(a, R(1) / std::sqrt(dot(a, a))); }
    static R fract(R v) { return v - std::floor(v); }
    static R mix(R a, R b, R w) { return a * (R(1) - w) + b * w; }
    static V reflect(V e, V n) { return sub(e, mul(n, R(2) * dot(n, e))); }

    static R hash(R qx, R qy) {
        const R h = R(127.1) * qx + R(311.7) * qy;
        return fract(std::sin(h) * R(43758.5453123));
    }

    static R noise(R qx, R qy) {
        const R ix = std::floor(qx), iy = std::floor(qy);
        const R fx = qx - ix, fy = qy - iy;
        const R ux = fx * fx * (R(3) - R(2) * fx);
        const R uy = fy * fy * (R(3) - R(2) * fy);
        const R a = hash(ix, iy);
        const R b = hash(ix + R(1), iy);
        const R c = hash(ix, iy + R(1));
        const R e = hash(ix + R(1), iy + R(1));
        return R(-1) + R(2) * mix(mix(a, b, ux), mix(c, e, ux), uy);
    }

    static R seaOctave(R qx, R qy, R choppy) {
        const R n = noise(qx, qy);
        qx += n;
        qy += n;
        const R w1x = R(1) - std::fabs(std::sin(qx));
        const R w1y = R(1) - std::fabs(std::sin(qy));
        const R wx = mix(w1x, std::fabs(std::cos(qx)), w1x);
        const R wy = mix(w1y, std::fabs(std::cos(qy)), w1y);
        return std::pow(R(1) - std::pow(wx * wy, R(0.65)), choppy);
    }

    // Height of p above the waves, with `octaves` octaves.
    static R height(V p, int octaves, R time) {
        const R seaTime = R(1) + R(0.8) * time;
        R freq = R(0.16), amp = R(0.6), choppy = R(4), h = R(0);
        R qx = R(0.75) * p.x, qy = p.z;
        for (int i = 0; i < octaves; ++i) {
            R s = seaOctave((qx + seaTime) * freq, (qy + seaTime) * freq, choppy);
            s += seaOctave((qx - seaTime) * freq, (qy - seaTime) * freq, choppy);
            h += s * amp;
            const R nx = R(1.6) * qx + R(1.2) * qy;
            qy = R(-1.2) * qx + R(1.6) * qy;
            qx = nx;
            freq *= R(1.9);
            amp *= R(0.22);
            choppy = choppy + R(0.2) * (R(1) - choppy);
        }
        return p.y - h;
    }

    static V sky(V e) {
        const R y = std::max(e.y, R(0));
        return {(R(1) - y) * (R(1) - y), R(1) - y, R(0.6) + R(0.4) * (R(1) - y)};
    }

    static V trace(V o, V d, R time) {
        R tm = R(0), tx = R(1000);
        R hx = height(add(o, mul(d, tx)), 3, time);
        if (hx > R(0)) {
            return add(o, mul(d, tx));
        }
        R hm = height(o, 3, time);
        V p = o;
        for (int i = 0; i < 8; ++i) {
            const R tmid = tm + (tx - tm) * hm / (hm - hx);
            p = add(o, mul(d, tmid));
            const R hmid = height(p, 3, time);
            if (hmid < R(0)) {
                tx = tmid;
                hx = hmid;
            } else {
                tm = tmid;
                hm = hmid;
            }
        }
        return p;
    }

    static V pixel(R fragX, R fragY, R width, R heightPx, R time) {
        R ux = fragX / width * R(2) - R(1);
        const R uy = fragY / heightPx * R(2) - R(1);
        ux *= width / heightPx;
        const V o{R(0), R(3.5), R(-5) * time};
        V d = normalize({ux, uy, R(-2)});
        d.z += R(0.15) * std::sqrt(ux * ux + uy * uy);
        d = normalize(d);

        const V p = trace(o, d, time);
        const V dist = sub(p, o);
        const R eps = dot(dist, dist) * (R(0.1) / width);
        const R h0 = height(p, 5, time);
        const R nx = height({p.x + eps, p.y, p.z}, 5, time) - h0;
        const R nz = height({p.x, p.y, p.z + eps}, 5, time) - h0;
        const V n = normalize({nx, eps, nz});
        const V l = normalize({R(0), R(1), R(0.8)});
        const V water{R(0.8), R(0.9), R(0.6)};

        R f = std::clamp(R(1) - dot(n, mul(d, R(-1))), R(0), R(1));
        f = f * f * f * R(0.65);
        const V reflected = sky(reflect(d, n));
        const R diffuse = std::pow(R(0.4) * dot(n, l) + R(0.6), R(80));
        const V refracted = add(V{R(0.1), R(0.19), R(0.22)}, mul(water, diffuse * R(0.12)));
        V sea = add(mul(refracted, R(1) - f), mul(reflected, f));
        const R att = std::max(R(1) - R(0.001) * dot(dist, dist), R(0));
        sea = add(sea, mul(water, (p.y - R(0.6)) * R(0.18) * att));
        const R spec = std::pow(std::max(dot(reflect(d, n), l), R(0)), R(60)) * (R(60) + R(8)) /
                       (R(8) * R(3.141592));
        sea = add(sea, V{spec, spec, spec});

        const V k = sky(d);
        const R t = std::clamp(d.y / R(-0.05), R(0), R(1));
        const R w = std::pow(t * t * (R(3) - R(2) * t), R(0.3));
        const V c = add(mul(k, R(1) - w), mul(sea, w));
        return {std::pow(c.x, R(0.75)), std::pow(c.y, R(0.75)), std::pow(c.z, R(0.75))};
    }
};

// The colour of the pixel whose centre is at (fragX, fragY) in window coordinates (origin at
// the bottom left), each channel in [0, 1], computed in R arithmetic.
template <typename R = float>
V3 pixel(float fragX, float fragY, float width, float height, float time) {
    const auto c = Ocean<R>::pixel(R(fragX), R(fragY), R(width), R(height), R(time));
    return {float(c.x), float(c.y), float(c.z)};
}

}  // namespace ocean_reference
