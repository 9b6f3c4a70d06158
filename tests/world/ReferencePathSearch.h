#pragma once

#include "world/PathGrid.h"

#include <algorithm>
#include <cmath>
#include <list>
#include <memory>
#include <vector>

namespace trovane::testing {

// The path search written as plainly as the algorithm reads: linear open and closed lists searched
// front to back for every candidate. The grid's faster membership lookups must return the very same
// paths.
class ReferencePathSearch {
public:
    ReferencePathSearch(std::uint32_t sx, std::uint32_t sy, std::uint32_t sz)
        : cells_(static_cast<std::size_t>(sx) * sy * sz, 0), sx_(sx), sy_(sy), sz_(sz) {}

    void setCell(GridPosition p, std::uint8_t v) { cells_[index(p)] = v; }

    std::vector<GridPosition> findPath(GridPosition start, GridPosition goal, float stepCost) {
        std::list<std::shared_ptr<Node>> open;
        std::list<std::shared_ptr<Node>> closed;
        insert(open, std::make_shared<Node>(Node{start, nullptr, 0.0f, heuristic(start, goal)}));
        while (!open.empty()) {
            auto current = open.back();
            open.pop_back();
            closed.push_back(current);
            const float newG = stepCost + current->g;
            if (current->p == goal) {
                std::vector<GridPosition> path;
                for (auto n = current; n; n = n->parent) {
                    path.push_back(n->p);
                }
                std::reverse(path.begin(), path.end());
                return path;
            }
            for (GridPosition q : neighbours(current->p)) {
                if (find(closed, q) != closed.end()) {
                    continue;
                }
                auto listed = find(open, q);
                if (listed == open.end()) {
                    insert(open, std::make_shared<Node>(
                                     Node{q, current, newG, heuristic(q, goal) + newG}));
                } else if ((*listed)->g > newG) {
                    auto node = *listed;
                    node->g = newG;
                    node->f = heuristic(q, goal) + newG;
                    node->parent = current;
                    open.erase(listed);
                    insert(open, node);
                }
            }
        }
        return {};
    }

private:
    struct Node {
        GridPosition p;
        std::shared_ptr<Node> parent;
        float g;
        float f;
    };
    using List = std::list<std::shared_ptr<Node>>;

    static List::iterator find(List& list, GridPosition p) {
        return std::find_if(list.begin(), list.end(), [&](const auto& n) { return n->p == p; });
    }

    static void insert(List& open, std::shared_ptr<Node> node) {
        auto at = open.begin();
        while (at != open.end() && (*at)->f >= node->f) {
            ++at;
        }
        open.insert(at, std::move(node));
    }

    static float heuristic(GridPosition p, GridPosition q) {
        const float dx = std::fabs(float(p.x) - float(q.x));
        const float dy = std::fabs(float(p.y) - float(q.y));
        const float dz = std::fabs(float(p.z) - float(q.z));
        const float sum = dx + dy + dz;
        const float share = 0.1f * std::max({dx, dy, dz});
        return sum + share;
    }

    std::vector<GridPosition> neighbours(GridPosition p) const {
        std::vector<GridPosition> out;
        const auto consider = [&](GridPosition q) {
            if (cells_[index(q)] == 0) {
                out.push_back(q);
            }
        };
        if (p.x > 1) {
            consider({p.x - 1, p.y, p.z});
        }
        if (p.x < sx_) {
            consider({p.x + 1, p.y, p.z});
        }
        if (p.y > 1) {
            consider({p.x, p.y - 1, p.z});
        }
        if (p.y < sy_) {
            consider({p.x, p.y + 1, p.z});
        }
        if (p.z > 1) {
            consider({p.x, p.y, p.z - 1});
        }
        if (p.z < sz_) {
            consider({p.x, p.y, p.z + 1});
        }
        return out;
    }

    std::size_t index(GridPosition p) const {
        return ((std::size_t(p.x) - 1) * sy_ + (p.y - 1)) * sz_ + (p.z - 1);
    }

    std::vector<std::uint8_t> cells_;
    std::uint32_t sx_;
    std::uint32_t sy_;
    std::uint32_t sz_;
};

} // namespace trovane::testing
