#include "math/ViewFrustum.h"

#include <cmath>

#include "math/Constants.h"

namespace trovane {

ViewFrustum ViewFrustum::fromOrientation(const Matrix4& orientation, Vector3 eye,
                                         float fieldOfViewDegrees, float aspect,
                                         float nearDistance) {
    ViewFrustum frustum;
    frustum.eye = eye;
    frustum.forward = normalised(transformPoint(orientation, kAxisZ));
    frustum.side = normalised(transformPoint(orientation, kAxisX));
    frustum.up = normalised(transformPoint(orientation, kAxisY));
    frustum.tanHalfHeight = std::tan(0.5f * fieldOfViewDegrees * kDegreesToRadians);
    frustum.tanHalfWidth = frustum.tanHalfHeight * aspect;
    frustum.nearDistance = nearDistance;
    return frustum;
}

float ViewFrustum::nearCornerReach() const {
    return nearDistance *
           std::sqrt(1.0f + tanHalfWidth * tanHalfWidth + tanHalfHeight * tanHalfHeight);
}

} // namespace trovane
