// The graphics state that keys switch during the frame update, behind an
// interface so that the update runs (and is tested) without a GL context.
#pragma once

namespace trovane {

enum class PolygonMode { Fill, Line, Point };

class RenderSwitches {
public:
    virtual void setDepthTest(bool on) = 0;
    // For front and back faces alike.
    virtual void setPolygonMode(PolygonMode mode) = 0;

protected:
    ~RenderSwitches() = default;
};

} // namespace trovane
