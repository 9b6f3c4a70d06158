// The drawing half of a frame: the camera transform, the station's meshes in
// BSP order with the wall texture, the bombs as small yellow cubes, and the
// overlay of a grey cross and the status line. Needs the current GL context.
#pragma once

#include "app/frame/Bomb.h"
#include "app/frame/DrawListCache.h"
#include "app/frame/FrameUpdate.h"
#include "app/frame/RoomCulling.h"
#include "app/render/StationDisplayLists.h"
#include "base/SharedPtr.h"
#include "bsp/BspTree.h"
#include "math/Mesh.h"

#include <cstdint>
#include <vector>

namespace trovane {

// What the drawing half reads, besides the update's FrameStep.
struct FrameView {
    Vector3 position;
    const SharedPtr<BspTree>& tree;
    const std::vector<unsigned int>& textures; // the first is the walls'
    const std::vector<SharedPtr<Bomb>>& bombs;
    bool frontToBack = false;
    bool zTest = false;
    unsigned int fontBase = 0; // 0: no font, no text
    const char* statusText = "";
    // With the station's cells, only the rooms seen through the doors are drawn.
    const CellMap* cells = nullptr;
    bool portalCulling = false;
    float aspect = 4.0f / 3.0f; // of the viewport, width / height
};

// How the room meshes reach GL: replayed from display lists recorded once per
// station, or sent vertex by vertex every frame.
enum class StationMeshes { Recorded, Immediate };

class FrameDrawing {
public:
    explicit FrameDrawing(StationMeshes meshes = StationMeshes::Recorded) : meshes_(meshes) {}

    // The frame's first GL work: clears colour and depth and saves the
    // viewing matrix, which draw restores.
    static void begin();
    void draw(const FrameStep& step, const FrameView& view);

    // The rooms the last frame drew.
    const RoomCulling& culling() const { return culling_; }

private:
    void cullRooms(const FrameStep& step, const FrameView& view);
    void drawStation(const FrameView& view) const;
    void drawMesh(const Mesh& mesh) const;
    void drawBombs(const std::vector<SharedPtr<Bomb>>& bombs);
    static void drawOverlay(const FrameView& view);

    StationMeshes meshes_;
    DrawListCache drawList_;
    StationDisplayLists recorded_;
    RoomCulling culling_;
    // The cube drawn for every bomb, made the first time one is drawn.
    SharedPtr<Mesh> bombMesh_;
    SharedPtr<VertexList> bombVertices_;
    std::vector<std::uint32_t> bombOrder_;
};

} // namespace trovane
