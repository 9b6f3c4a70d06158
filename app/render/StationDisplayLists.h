// The station's room meshes recorded once into display lists, one list per
// mesh holding the same immediate-mode calls the frame would send, so that a
// frame replays each room with one call instead of sending every vertex
// again. Needs the GL context the lists belong to.
#pragma once

#include "base/SharedPtr.h"
#include "bsp/BspTree.h"
#include "math/Mesh.h"

#include <cstddef>
#include <unordered_map>

namespace trovane {

class StationDisplayLists {
public:
    StationDisplayLists() = default;
    StationDisplayLists(const StationDisplayLists&) = delete;
    StationDisplayLists& operator=(const StationDisplayLists&) = delete;
    // Frees the lists; the context must still be current.
    ~StationDisplayLists();

    // Records every mesh of tree, unless tree is the station already
    // recorded; the lists of the previous station are freed first. When GL
    // gives no lists, none are kept and listFor answers 0 for every mesh.
    void record(const SharedPtr<BspTree>& tree);
    // Frees every list and forgets the station.
    void release();

    // The list that draws mesh, or 0 when it has none.
    unsigned int listFor(const Mesh* mesh) const;
    // The first of the recorded lists and how many there are (0, 0 for none).
    unsigned int base() const { return base_; }
    std::size_t count() const { return lists_.size(); }

private:
    // Held so that a new station can never be mistaken for the recorded one,
    // and so that the meshes named in lists_ stay alive.
    SharedPtr<BspTree> recorded_;
    unsigned int base_ = 0;
    int range_ = 0;
    std::unordered_map<const Mesh*, unsigned int> lists_;
};

} // namespace trovane
