// -station N: the Nth station of the sequence, with the camera in its start
// room.
#include "app/Application.h"
#include "app/hooks/ProgramHooks.h"

namespace trovane {

void Application::chooseStation(int n) {
    if (n <= 1) {
        return; // the first station was made with the application
    }
    skipStations(n - 2);
    structure = Structure(progress_);
    tree = structure.tree;
}

Vector3 Application::StartRoomCentre() const {
    const CellPosition start = structure.start();
    return Vector3(static_cast<float>(start.x) + 0.5f, static_cast<float>(start.y) + 0.5f,
                   static_cast<float>(start.z) + 0.5f);
}

void Application::showStation() {
    stationShown_ = true;
    hooks::stationShown(structure.cells);
}

} // namespace trovane
