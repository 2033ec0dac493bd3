// Frame benchmark: draws ocean frames through the frame tool's code path (hidden window,
// OceanScene from the embedded resources) and prints, per size, the median wall time of a
// whole frame (renderFrame + glFinish) and the median time that renderFrame itself spends on
// the calling thread before the GL work is waited for: the frame loop's own cost.
//
// Run on a virtual display with software GL, for example:
//   LIBGL_ALWAYS_SOFTWARE=1 bash scripts/with-xvfb.sh build/bench/velmorant_frame_bench
// Options: --frames N (measured frames per size, default 30).
// It prints figures only; it never passes or fails on time.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/gl_api.h"
#include "gfx/ocean_scene.h"
#include "math/screen_metrics.h"
#include "tools/offscreen_context.h"

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

struct Result {
    std::string renderer;
    double frameMs;
    double loopMs;
    double minFrameMs;
    double maxFrameMs;
};

bool measure(int width, int height, int frames, Result* result) {
    OffscreenContext context;
    if (!context.open(width, height)) {
        return false;
    }
    ScreenMetrics metrics;
    metrics.set(width, height);
    OceanScene scene(&metrics);
    scene.setupScene();
    const GLubyte* renderer = glapi::glGetString(GL_RENDERER);
    result->renderer = renderer != nullptr ? reinterpret_cast<const char*>(renderer) : "unknown";

    // The first frames build the driver's shader variants; they are not measured.
    for (int i = 0; i < 3; ++i) {
        scene.renderFrame(static_cast<float>(i) / 60.0f);
        glapi::glFinish();
    }

    std::vector<double> frameMs;
    std::vector<double> loopMs;
    for (int i = 0; i < frames; ++i) {
        const float t = 10.0f + static_cast<float>(i) / 60.0f;
        const Clock::time_point start = Clock::now();
        scene.renderFrame(t);
        const Clock::time_point submitted = Clock::now();
        glapi::glFinish();
        const Clock::time_point finished = Clock::now();
        loopMs.push_back(milliseconds(submitted - start));
        frameMs.push_back(milliseconds(finished - start));
    }
    result->frameMs = median(frameMs);
    result->loopMs = median(loopMs);
    result->minFrameMs = *std::min_element(frameMs.begin(), frameMs.end());
    result->maxFrameMs = *std::max_element(frameMs.begin(), frameMs.end());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int frames = 30;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            frames = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--frames N]\n", argv[0]);
            return 2;
        }
    }
    if (frames < 1 || frames > 100000) {
        std::fprintf(stderr, "--frames must be between 1 and 100000\n");
        return 2;
    }

    struct Size {
        int width, height;
    };
    const Size sizes[] = {{1280, 720}, {640, 360}};
    std::vector<Result> results;
    for (const Size& size : sizes) {
        Result r{};
        if (!measure(size.width, size.height, frames, &r)) {
            return 1;
        }
        results.push_back(r);
    }

    std::printf("renderer: %s\n", results.front().renderer.c_str());
    std::printf("%-10s %7s %18s %14s %26s\n", "size", "frames", "median ms/frame", "min..max ms",
                "median renderFrame ms");
    for (std::size_t i = 0; i < results.size(); ++i) {
        char size[32];
        std::snprintf(size, sizeof size, "%dx%d", sizes[i].width, sizes[i].height);
        char range[32];
        std::snprintf(range, sizeof range, "%.1f..%.1f", results[i].minFrameMs,
                      results[i].maxFrameMs);
        std::printf("%-10s %7d %18.2f %14s %26.4f\n", size, frames, results[i].frameMs, range,
                    results[i].loopMs);
    }
    std::printf(
        "ms/frame: renderFrame + glFinish. renderFrame: the frame loop's own time on the\n"
        "calling thread, the GL work excluded (waited for separately by glFinish).\n");
    return 0;
}
