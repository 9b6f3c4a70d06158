#include "app/frame/CameraCollision.h"

#include "bsp/Collision.h"

namespace trovane {

bool cameraNeedsProbe(Vector3 motion, Vector3 view, Vector3 lastView) {
    return lengthSquared(motion) > 0.0f || view.x != lastView.x || view.y != lastView.y ||
           view.z != lastView.z;
}

Vector3 probeDirection(Vector3 motion, Vector3 view) {
    return normalised(lengthSquared(motion) != 0.0f ? motion : view);
}

ProbeResult probeAndPushBack(const BspTree& tree, Vector3& position, Vector3 direction) {
    ProbeResult result;
    result.hit = collide(tree, position, position + direction * kProbeLength, 0.0f);
    if (result.hit.distance <= kWallClearance) {
        const Vector3 n = result.hit.normal;
        position += n * ((kWallClearance - result.hit.distance) * -dot(n, direction));
        result.collided = true;
    }
    return result;
}

Vector3 stopBeforeWall(const BspTree& tree, Vector3 from, Vector3 to) {
    const HitRecord hit = collide(tree, from, to, 0.0f);
    if (!hit.isHit()) {
        return to;
    }
    const float back = hit.distance > kWallClearance ? hit.distance - kWallClearance : 0.0f;
    return from + normalised(to - from) * back;
}

} // namespace trovane
