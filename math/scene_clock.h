// The frame time and viewport size that the frame loop hands to the drawables.
#pragma once

struct SceneClock {
    float viewportWidth = 0.0f;
    float viewportHeight = 0.0f;
    float time;  // raw timer reading in seconds; neither rescaled nor wrapped

    explicit SceneClock(float t) : time(t) {}

    void setTime(float t) { time = t; }
    void setViewport(float width, float height) {
        viewportWidth = width;
        viewportHeight = height;
    }

    float getTime() const { return time; }
    float getViewportWidth() const { return viewportWidth; }
    float getViewportHeight() const { return viewportHeight; }
};
