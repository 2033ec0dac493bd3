// The process-wide drawing size: written before the window opens and by the
// window-size callback, read by the ocean pass in every frame.
#pragma once

#include <cstdint>

struct ScreenMetrics {
    std::int32_t width = 0;
    std::int32_t height = 0;
    float aspect = 0.0f;

    // Stores a size and recomputes the aspect ratio as float division; a 0 x 0
    // size (minimised window) gives the IEEE result of 0/0 without trapping.
    void set(std::int32_t w, std::int32_t h) {
        width = w;
        height = h;
        aspect = static_cast<float>(w) / static_cast<float>(h);
    }
};
