#include "app/render/MeshDrawing.h"

#include <GL/gl.h>

namespace trovane {

unsigned int primitiveOf(PrimitiveKind kind) {
    switch (kind) {
    case PrimitiveKind::TriangleStrip:
        return GL_TRIANGLE_STRIP;
    case PrimitiveKind::TriangleFan:
        return GL_TRIANGLE_FAN;
    case PrimitiveKind::TriangleList:
        break;
    }
    return GL_TRIANGLES;
}

void sendVertices(const VertexList& vertices, const std::vector<std::uint32_t>& order,
                  Vector3 offset) {
    for (std::uint32_t k : order) {
        if (k >= vertices.size()) {
            continue;
        }
        const Vertex& v = vertices[k];
        glTexCoord2f(v.tex0.s, v.tex0.t);
        glColor4f(v.color.r, v.color.g, v.color.b, v.color.a);
        glNormal3f(v.normal.x, v.normal.y, v.normal.z);
        const Vector3 p = v.position + offset;
        glVertex3f(p.x, p.y, p.z);
    }
}

void drawMeshImmediate(const Mesh& mesh) {
    const SharedPtr<VertexList> vertices = mesh.vertexList();
    glBegin(primitiveOf(mesh.primitiveKind()));
    if (vertices) {
        sendVertices(*vertices, mesh.drawOrder(), Vector3());
    }
    glEnd();
}

} // namespace trovane
