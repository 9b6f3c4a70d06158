#include "app/render/GLRenderSwitches.h"

#include <GL/gl.h>

namespace trovane {

void GLRenderSwitches::setDepthTest(bool on) {
    if (on) {
        glEnable(GL_DEPTH_TEST);
    } else {
        glDisable(GL_DEPTH_TEST);
    }
}

void GLRenderSwitches::setPolygonMode(PolygonMode mode) {
    GLenum glMode = GL_FILL;
    switch (mode) {
    case PolygonMode::Fill:
        break;
    case PolygonMode::Line:
        glMode = GL_LINE;
        break;
    case PolygonMode::Point:
        glMode = GL_POINT;
        break;
    }
    glPolygonMode(GL_FRONT_AND_BACK, glMode);
}

} // namespace trovane
