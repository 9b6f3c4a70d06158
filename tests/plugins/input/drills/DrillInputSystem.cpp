// The drill library's objects use the platform's input system with the
// steps named in TROVANE_INPUT_FAIL failing (see FailurePlan.h).
#include "FailingInput.h"
#include "InputSystemFactory.h"

namespace tactrel {

std::unique_ptr<input::InputSystem> libraryInputSystem(input::ModuleHandle program) {
    const test::FailurePlan plan = test::FailurePlan::fromEnvironment();
    if (plan.failsCreate()) {
        return nullptr;
    }
    return test::failingInputSystem(input::createInputSystem(program), plan);
}

} // namespace tactrel
