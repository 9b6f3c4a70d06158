// The camera's viewing volume as a value: the eye, the view axes in world units and the
// half-openings of the symmetric perspective projection.
#pragma once

#include "math/Matrix4.h"
#include "math/Vector3.h"

namespace trovane {

struct ViewFrustum {
    Vector3 eye;
    Vector3 forward{0.0f, 0.0f, 1.0f}; // unit
    Vector3 side{1.0f, 0.0f, 0.0f};    // unit, across the picture's width
    Vector3 up{0.0f, 1.0f, 0.0f};      // unit, across the picture's height
    float tanHalfWidth = 0.0f;         // tangent of half the horizontal opening
    float tanHalfHeight = 0.0f;        // tangent of half the vertical opening
    float nearDistance = 0.0f;

    // The camera of a frame: orientation turns the view axes (0, 0, 1), (1, 0, 0), (0, 1, 0) into
    // world axes; a vertical field of view in degrees, width / height, and the near plane.
    static ViewFrustum fromOrientation(const Matrix4& orientation, Vector3 eye,
                                       float fieldOfViewDegrees, float aspect, float nearDistance);

    // How far from the eye the near plane's corners lie: closer geometry can be cut open.
    float nearCornerReach() const;
};

} // namespace trovane
