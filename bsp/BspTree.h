// The cell tree of one generated station, with point location and the cell visibility lookup.
// Draw order: bsp/DrawOrder.h; segment queries: bsp/Collision.h.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "base/SharedPtr.h"
#include "bsp/BspNode.h"
#include "math/Vector3.h"

namespace trovane {

class BspTree {
public:
    // Shares root; no visibility table.
    explicit BspTree(SharedPtr<BspNode> root) : root_(std::move(root)) {}

    // A new reference to the whole tree.
    SharedPtr<BspNode> root() const { return root_; }

    // The leaf containing point: at each inner node go front when the signed distance to its
    // plane is >= 0 (points on a plane go front), else back. Empty when the tree is empty.
    SharedPtr<BspNode> findLeaf(Vector3 point) const;

    // Whether cell `to` can be seen from cell `from`: true without a table; false for a negative
    // cell or one outside the table; else bit (to mod 8), least significant first, of byte
    // from * rowBytes + to / 8.
    bool isVisible(std::int32_t from, std::int32_t to) const;

    // Installs a visibility table of rowBytes bytes per cell; an empty table means none.
    void setVisibility(std::vector<std::uint8_t> table, std::int32_t rowBytes);

    bool hasVisibility() const { return !visibility_.empty(); }
    std::int32_t rowBytes() const { return rowBytes_; }

private:
    SharedPtr<BspNode> root_;
    std::vector<std::uint8_t> visibility_;
    std::int32_t rowBytes_ = 0;
};

} // namespace trovane
