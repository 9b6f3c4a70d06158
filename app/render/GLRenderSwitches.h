// The frame update's graphics switches applied to the current GL context.
#pragma once

#include "app/frame/RenderSwitches.h"

namespace trovane {

class GLRenderSwitches final : public RenderSwitches {
public:
    void setDepthTest(bool on) override;
    void setPolygonMode(PolygonMode mode) override;
};

} // namespace trovane
