// The camera: an eye with an orthonormal frame, five view-matrix slots with
// the index of the current one, and a projection. Drawables read the current
// view and the projection on every draw.
#pragma once

#include <cstdint>

#include "math/matrix4.h"
#include "math/vec.h"

struct Camera {
    Matrix4 views[5];  // unset until updateView writes a slot
    std::int32_t viewIndex;
    Vec3 position;
    Vec3 target;     // always position + direction
    Vec3 direction;  // unit length
    Vec3 right;      // unit length
    Vec3 up;         // unit length
    Matrix4 projection;  // unset until setProjection

    Camera(float x, float y, float z);

    // Turns direction and up about the right axis; positive angles look up.
    void pitch(float angleDegrees);

    // views[slot] = lookAt(position, target, up); slot becomes current.
    void updateView(std::int32_t slot);
    void setProjection(Matrix4 m) { projection = m; }
    void setViewIndex(std::int32_t slot) { viewIndex = slot; }

    Matrix4 getProjection() const { return projection; }
    Matrix4 getView() const { return views[viewIndex]; }
};
