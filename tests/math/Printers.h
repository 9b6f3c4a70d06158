// Readable GoogleTest output for the math value types.
#pragma once

#include "math/Matrix4.h"
#include "math/Plane.h"
#include "math/Vector3.h"

#include <ostream>

namespace trovane {

inline void PrintTo(Vector3 v, std::ostream* os) {
    *os << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}

inline void PrintTo(MatrixKind kind, std::ostream* os) {
    static constexpr const char* kNames[] = {"General", "Identity", "Affine", "Scale",
                                             "Translation"};
    const auto index = static_cast<int>(kind);
    *os << (index >= 0 && index < 5 ? kNames[index] : "unknown kind");
}

inline void PrintTo(const Matrix4& m, std::ostream* os) {
    *os << "[";
    for (int i = 0; i < 16; ++i) {
        *os << m[i] << (i % 4 == 3 ? (i == 15 ? "" : " | ") : " ");
    }
    *os << "] ";
    PrintTo(m.kind(), os);
}

inline void PrintTo(Side side, std::ostream* os) {
    static constexpr const char* kNames[] = {"Front", "Back", "OnPlane", "Spanning"};
    const auto index = static_cast<int>(side);
    *os << (index >= 0 && index < 4 ? kNames[index] : "unknown side");
}

} // namespace trovane
