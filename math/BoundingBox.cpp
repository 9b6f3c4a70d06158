#include "math/BoundingBox.h"

#include <algorithm>

namespace trovane {

void BoundingBox::extend(Vector3 p) {
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    centre = (min + max) * 0.5f;
}

} // namespace trovane
