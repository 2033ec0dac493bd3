#version 130
// Background pass, fragment stage: a low flight over a procedural sea.
// Each pixel casts a ray from an eye that moves forward over the water, finds the
// wave height field by a secant search, shades the hit with sky reflection, deep
// water, a height tint and a sun highlight, and blends it into a gradient sky.
// Time moves the eye forward (5 units a second) and runs two wave trains against
// each other, 0.8 a second.

uniform float iTime;          // seconds
uniform float screenWidth;    // pixels
uniform float screenHeight;   // pixels

uniform sampler2D backgroundTexture;
uniform float backgroundTextureSize;
// renderMode bands: 0..1 render to a texture (0.5), 1..2 render from a texture (1.5),
// 2..3 render directly to the screen (2.5).
uniform float renderMode;

in vec2 fs_tex;

const int NUM_STEPS = 8;
const float PI = 3.141592;

const int ITER_GEOMETRY = 3;
const int ITER_FRAGMENT = 5;
const float SEA_HEIGHT = 0.6;
const float SEA_CHOPPY = 4.0;
const float SEA_SPEED = 0.8;
const float SEA_FREQ = 0.16;
const vec3 SEA_BASE = vec3(0.1, 0.19, 0.22);
const vec3 SEA_WATER_COLOR = vec3(0.8, 0.9, 0.6);
#define SEA_TIME (1.0 + iTime * SEA_SPEED)
const mat2 octave_m = mat2(1.6, 1.2, -1.2, 1.6);

float hash(vec2 p)
{
    float h = dot(p, vec2(127.1, 311.7));
    return fract(sin(h) * 43758.5453123);
}

float noise(vec2 p)
{
    vec2 i = floor(p);
    vec2 f = fract(p);
    vec2 u = f * f * (3.0 - 2.0 * f);
    float a = hash(i + vec2(0.0, 0.0));
    float b = hash(i + vec2(1.0, 0.0));
    float c = hash(i + vec2(0.0, 1.0));
    float e = hash(i + vec2(1.0, 1.0));
    return -1.0 + 2.0 * mix(mix(a, b, u.x), mix(c, e, u.x), u.y);
}

float diffuse(vec3 n, vec3 l, float p)
{
    return pow(dot(n, l) * 0.4 + 0.6, p);
}

float specular(vec3 n, vec3 l, vec3 e, float s)
{
    float nrm = (s + 8.0) / (PI * 8.0);
    return pow(max(dot(reflect(e, n), l), 0.0), s) * nrm;
}

vec3 getSkyColor(vec3 e)
{
    float y = 1.0 - max(e.y, 0.0);
    return vec3(y * y, y, 0.6 + 0.4 * y);
}

float sea_octave(vec2 uv, float choppy)
{
    uv += noise(uv);
    vec2 wv = 1.0 - abs(sin(uv));
    vec2 swv = abs(cos(uv));
    wv = mix(wv, swv, wv);
    return pow(1.0 - pow(wv.x * wv.y, 0.65), choppy);
}

// Height of p above the wave field summed over `octaves` octaves: positive above
// the water, negative below. Each octave turns and doubles the coordinates.
float sea_height(vec3 p, int octaves)
{
    float freq = SEA_FREQ;
    float amp = SEA_HEIGHT;
    float choppy = SEA_CHOPPY;
    vec2 uv = vec2(p.x * 0.75, p.z);
    float h = 0.0;
    for (int i = 0; i < octaves; i++) {
        float d = sea_octave((uv + SEA_TIME) * freq, choppy);
        d += sea_octave((uv - SEA_TIME) * freq, choppy);
        h += d * amp;
        uv = uv * octave_m;
        freq *= 1.9;
        amp *= 0.22;
        choppy = choppy + 0.2 * (1.0 - choppy);
    }
    return p.y - h;
}

// The trace uses the coarse field, the normals the detailed one.
float map(vec3 p)
{
    return sea_height(p, ITER_GEOMETRY);
}

float map_detailed(vec3 p)
{
    return sea_height(p, ITER_FRAGMENT);
}

vec3 getSeaColor(vec3 p, vec3 n, vec3 l, vec3 eye, vec3 dist)
{
    float fresnel = clamp(1.0 - dot(n, -eye), 0.0, 1.0);
    fresnel = fresnel * fresnel * fresnel * 0.65;

    vec3 reflected = getSkyColor(reflect(eye, n));
    vec3 refracted = SEA_BASE + diffuse(n, l, 80.0) * SEA_WATER_COLOR * 0.12;

    vec3 color = refracted * (1.0 - fresnel) + reflected * fresnel;

    float atten = max(1.0 - dot(dist, dist) * 0.001, 0.0);
    color += SEA_WATER_COLOR * (p.y - SEA_HEIGHT) * 0.18 * atten;

    color += vec3(specular(n, l, eye, 60.0));
    return color;
}

vec3 getNormal(vec3 p, float eps)
{
    float h0 = map_detailed(p);
    float nx = map_detailed(vec3(p.x + eps, p.y, p.z)) - h0;
    float nz = map_detailed(vec3(p.x, p.y, p.z + eps)) - h0;
    return normalize(vec3(nx, eps, nz));
}

// Secant search between the eye and the far distance; a ray still above the
// water at the far distance stops there.
vec3 heightMapTracing(vec3 ori, vec3 dir)
{
    float tm = 0.0;
    float tx = 1000.0;
    float hx = map(ori + dir * tx);
    if (hx > 0.0) {
        return ori + dir * tx;
    }
    float hm = map(ori);
    vec3 p = ori;
    for (int i = 0; i < NUM_STEPS; i++) {
        float tmid = tm + (tx - tm) * hm / (hm - hx);
        p = ori + dir * tmid;
        float hmid = map(p);
        if (hmid < 0.0) {
            tx = tmid;
            hx = hmid;
        } else {
            tm = tmid;
            hm = hmid;
        }
    }
    return p;
}

void main()
{
    vec2 uv = gl_FragCoord.xy / vec2(screenWidth, screenHeight);
    uv = uv * 2.0 - 1.0;
    uv.x *= screenWidth / screenHeight;

    vec3 ori = vec3(0.0, 3.5, -5.0 * iTime);
    vec3 dir = normalize(vec3(uv.xy, -2.0));
    dir.z += length(uv) * 0.15;
    dir = normalize(dir);

    vec3 p = heightMapTracing(ori, dir);
    vec3 dist = p - ori;
    vec3 n = getNormal(p, dot(dist, dist) * (0.1 / screenWidth));
    vec3 light = normalize(vec3(0.0, 1.0, 0.8));

    vec3 sea = getSeaColor(p, n, light, dir, dist);
    vec3 sky = getSkyColor(dir);

    // Weight of the sea: 0 at and above the horizon, 1 from 0.05 below it. Written
    // out, since the built-in smooth step is undefined with its edges reversed.
    float t = clamp(dir.y / -0.05, 0.0, 1.0);
    float w = pow(t * t * (3.0 - 2.0 * t), 0.3);
    vec3 color = sky * (1.0 - w) + sea * w;

    gl_FragColor = vec4(pow(color, vec3(0.75)), 1.0);
}
//~
