#include "app/frame/StatusText.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace trovane {
namespace {

constexpr const char* kStartText = "Trovane";

// "%.2f" for a finite value; "inf", "-inf" or "nan" spelled out, since C
// runtimes disagree on those.
void formatDistance(char* out, std::size_t size, float value) {
    if (std::isnan(value)) {
        std::snprintf(out, size, "nan");
    } else if (std::isinf(value)) {
        std::snprintf(out, size, "%sinf", value < 0.0f ? "-" : "");
    } else {
        std::snprintf(out, size, "%.2f", static_cast<double>(value));
    }
}

} // namespace

StatusText::StatusText() {
    std::snprintf(text_, sizeof text_, "%s", kStartText);
}

void StatusText::showCollision(float distance, Vector3 point) {
    std::snprintf(text_, sizeof text_, "Collision (%.2f @ %.2f,%.2f,%.2f) !",
                  static_cast<double>(distance), static_cast<double>(point.x),
                  static_cast<double>(point.y), static_cast<double>(point.z));
}

void StatusText::showWayAhead(float distance) {
    char number[64];
    formatDistance(number, sizeof number, distance);
    std::snprintf(text_, sizeof text_, "Go ... %s", number);
}

} // namespace trovane
