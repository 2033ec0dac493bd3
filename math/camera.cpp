// Camera frame updates.
#include "math/camera.h"

#include <cmath>

Camera::Camera(float x, float y, float z) : viewIndex(0) {
    position = Vec3(x, y, z);
    direction = Vec3(0.0f, 0.0f, -1.0f);
    right = Vec3(1.0f, 0.0f, 0.0f);
    up = Vec3(0.0f, 1.0f, 0.0f);
    target = position + direction;
}

void Camera::pitch(float angleDegrees) {
    const float theta = toRadians(angleDegrees);
    const float s = std::sin(theta);
    const float c = std::cos(theta);
    // Both terms from the old frame; the frame stays orthonormal without renormalising.
    direction = direction * c + up * s;
    up = cross(right, direction);
    target = position + direction;
}

void Camera::updateView(std::int32_t slot) {
    views[slot] = lookAt(position, target, up);
    viewIndex = slot;
}
