// Frame tool: draws one frame of the ocean scene offscreen and saves it as a PNG.
// Usage: velmorant_frame WIDTH HEIGHT TIME OUTPUT.png
// It runs the screensaver's own scene code (program from the embedded resources, drawable,
// ocean pass) in a hidden window; it is not part of the screensaver.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "gfx/ocean_scene.h"
#include "math/screen_metrics.h"
#include "tools/offscreen_context.h"

namespace {

constexpr long kMaxSide = 8192;

bool parseSide(const char* text, int* side) {
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < 1 || value > kMaxSide) {
        return false;
    }
    *side = static_cast<int>(value);
    return true;
}

bool parseTime(const char* text, float* time) {
    errno = 0;
    char* end = nullptr;
    const float value = std::strtof(text, &end);
    if (errno != 0 || end == text || *end != '\0' || !std::isfinite(value)) {
        return false;
    }
    *time = value;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int width = 0;
    int height = 0;
    float time = 0.0f;
    if (argc != 5 || !parseSide(argv[1], &width) || !parseSide(argv[2], &height) ||
        !parseTime(argv[3], &time)) {
        std::fprintf(stderr,
                     "usage: %s WIDTH HEIGHT TIME OUTPUT.png\n"
                     "  WIDTH, HEIGHT: 1 to %ld pixels; TIME: seconds (a finite number)\n",
                     argc > 0 ? argv[0] : "velmorant_frame", kMaxSide);
        return 2;
    }

    OffscreenContext context;
    if (!context.open(width, height)) {
        return 1;
    }
    ScreenMetrics metrics;
    metrics.set(width, height);
    OceanScene scene(&metrics);
    scene.setupScene();
    scene.renderFrame(time);
    if (!writePng(argv[4], context.readPixels())) {
        std::fprintf(stderr, "cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
