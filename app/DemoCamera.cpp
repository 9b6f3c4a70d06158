// The scripted demo flight at the frame clock's time (DemoFlight.h).
#include "app/Application.h"

#include "app/DemoFlight.h"

namespace trovane {

void Application::DemoCamera(Matrix4& orientation) {
    flyDemo(GetTime(), position, orientation);
}

} // namespace trovane
