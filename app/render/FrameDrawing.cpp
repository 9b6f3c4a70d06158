#include "app/render/FrameDrawing.h"

#include "app/render/BombMesh.h"
#include "app/render/MeshDrawing.h"
#include "app/render/Projection.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace trovane {
namespace {

// The overlay's coordinates span -1 to 1 across the view.
constexpr float kCrossHalfSize = 0.03f;
constexpr float kOverlayGrey = 0.5f;
constexpr float kTextX = -0.95f;
constexpr float kTextY = -0.95f;
// Up to this many rooms drawn, each is clipped to its screen bounds.
constexpr int kMostScissoredRooms = 32;

// Without a wall texture (it could not be loaded) the walls show their
// colours alone.
void bindWallTexture(const std::vector<unsigned int>& textures) {
    if (textures.empty()) {
        glDisable(GL_TEXTURE_2D);
    } else {
        glBindTexture(GL_TEXTURE_2D, textures.front());
    }
}

void drawCross() {
    glColor4f(kOverlayGrey, kOverlayGrey, kOverlayGrey, 1.0f);
    glBegin(GL_LINES);
    glVertex2f(-kCrossHalfSize, -kCrossHalfSize);
    glVertex2f(kCrossHalfSize, kCrossHalfSize);
    glVertex2f(-kCrossHalfSize, kCrossHalfSize);
    glVertex2f(kCrossHalfSize, -kCrossHalfSize);
    glEnd();
}

// One display list per byte, from the font's list base.
void drawText(unsigned int fontBase, const char* text) {
    if (fontBase == 0 || text == nullptr) {
        return;
    }
    glListBase(fontBase);
    glRasterPos2f(kTextX, kTextY);
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
}

// A room seen through doors can only show where the doors are: the rest of
// its walls are hidden behind nearer ones, and are not filled at all. Two
// pixels more on every side, so that rounding only adds.
void scissorTo(const ScreenBounds& bounds, const GLint viewport[4]) {
    constexpr double kSlack = 2.0;
    const double width = viewport[2];
    const double height = viewport[3];
    const double left = std::floor((bounds.left + 1.0) * 0.5 * width - kSlack);
    const double right = std::ceil((bounds.right + 1.0) * 0.5 * width + kSlack);
    const double bottom = std::floor((bounds.bottom + 1.0) * 0.5 * height - kSlack);
    const double top = std::ceil((bounds.top + 1.0) * 0.5 * height + kSlack);
    const auto clampTo = [](double v, double high) { return std::clamp(v, 0.0, high); };
    const double x0 = clampTo(left, width);
    const double y0 = clampTo(bottom, height);
    glScissor(viewport[0] + static_cast<GLint>(x0), viewport[1] + static_cast<GLint>(y0),
              static_cast<GLsizei>(clampTo(right, width) - x0),
              static_cast<GLsizei>(clampTo(top, height) - y0));
}

} // namespace

void FrameDrawing::begin() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
}

void FrameDrawing::cullRooms(const FrameStep& step, const FrameView& view) {
    if (view.cells == nullptr) {
        culling_ = RoomCulling(); // every room
        return;
    }
    GLint polygonModes[2] = {GL_FILL, GL_FILL};
    glGetIntegerv(GL_POLYGON_MODE, polygonModes);
    const CullingConditions when{view.portalCulling,
                                 polygonModes[0] == GL_FILL && polygonModes[1] == GL_FILL,
                                 view.zTest, view.frontToBack};
    const ViewFrustum frustum = ViewFrustum::fromOrientation(
        step.orientation, view.position, static_cast<float>(kFieldOfViewDegrees), view.aspect,
        static_cast<float>(kNearPlane));
    culling_.update(*view.cells, frustum, when);
}

void FrameDrawing::drawStation(const FrameView& view) const {
    const std::vector<std::int32_t>& cells = drawList_.cells();
    // Each room clipped to where it can show pays off for the few rooms seen from inside; with
    // the many rooms seen from outside, changing the scissor box per room costs more than it
    // saves on Mesa's software rasteriser.
    const bool scissored =
        !culling_.drawsEverything() && culling_.roomsDrawn() <= kMostScissoredRooms;
    GLint viewport[4] = {0, 0, 0, 0};
    if (scissored) {
        glGetIntegerv(GL_VIEWPORT, viewport);
        glEnable(GL_SCISSOR_TEST);
    }
    for (std::size_t i = 0; i < drawList_.meshes().size(); ++i) {
        const SharedPtr<Mesh>& mesh = drawList_.meshes()[i];
        if (!mesh || !culling_.drawsLeaf(cells[i])) {
            continue;
        }
        if (scissored) {
            scissorTo(culling_.boundsOf(cells[i]), viewport);
        }
        bindWallTexture(view.textures);
        drawMesh(*mesh);
    }
    if (scissored) {
        glDisable(GL_SCISSOR_TEST);
    }
}

void FrameDrawing::drawMesh(const Mesh& mesh) const {
    const unsigned int list = recorded_.listFor(&mesh);
    if (list != 0) {
        glCallList(list);
    } else {
        drawMeshImmediate(mesh);
    }
}

void FrameDrawing::drawBombs(const std::vector<SharedPtr<Bomb>>& bombs) {
    for (const SharedPtr<Bomb>& bomb : bombs) {
        // A reflecting bomb whose flight is over is not drawn.
        if (!bomb || (bomb->life <= 0.0f && bomb->reflecting)) {
            continue;
        }
        glDisable(GL_TEXTURE_2D);
        glBegin(GL_TRIANGLES);
        if (!bombMesh_) {
            bombMesh_ = makeBombMesh();
            bombVertices_ = bombMesh_->vertexList();
            bombOrder_ = bombMesh_->drawOrder();
        }
        sendVertices(*bombVertices_, bombOrder_, bomb->position);
        glEnd();
        glEnable(GL_TEXTURE_2D);
    }
}

void FrameDrawing::drawOverlay(const FrameView& view) {
    glPushAttrib(GL_LIST_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    if (view.zTest) {
        glDisable(GL_DEPTH_TEST);
    }
    drawCross();
    drawText(view.fontBase, view.statusText);
    if (view.zTest) {
        glEnable(GL_DEPTH_TEST);
    }
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

void FrameDrawing::draw(const FrameStep& step, const FrameView& view) {
    // O's elements in storage order, then the eye moved to the origin.
    glMultMatrixf(step.orientation.data());
    glTranslatef(-view.position.x, -view.position.y, -view.position.z);
    drawList_.update(view.tree, view.position, view.frontToBack, step.orderChanged,
                     step.regenerated);
    if (meshes_ == StationMeshes::Recorded) {
        recorded_.record(view.tree);
    }
    cullRooms(step, view);
    drawStation(view);
    drawBombs(view.bombs);
    glPopMatrix();
    drawOverlay(view);
}

} // namespace trovane
