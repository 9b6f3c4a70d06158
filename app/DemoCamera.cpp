// The scripted demo flight at the frame clock's time (DemoFlight.h).
#include "app/Application.h"

#include "app/frame/DemoFlight.h"

namespace trovane {

void Application::DemoCamera(Matrix4& orientation) {
    flyDemo(GetTime(), position, orientation);
}

} // namespace trovane
