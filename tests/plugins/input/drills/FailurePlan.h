// Steps of the input system that a drill asks to fail, so that every set-up
// message of the input library can be shown without broken hardware.
#pragma once

#include "InputSystemFactory.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tactrel::test {

using input::DeviceKind;

enum class Step { Create, Device, Format, Acquire, Read };

class FailurePlan {
public:
    // Tokens separated by commas: a step name ("create", "device", "format",
    // "acquire", "read"), optionally prefixed with "mouse." or "keyboard."
    // to fail it for that device only ("create" takes no prefix: the system
    // is made before its devices). Unknown tokens go to `unknown`.
    static FailurePlan parse(std::string_view text, std::vector<std::string>* unknown);

    // The plan in TROVANE_INPUT_FAIL; each unknown token gets one line on
    // standard error and is otherwise ignored.
    static FailurePlan fromEnvironment();

    bool fails(Step step, DeviceKind kind) const;
    bool failsCreate() const { return fails(Step::Create, DeviceKind::SystemMouse); }

private:
    std::uint32_t mouseSteps_ = 0;
    std::uint32_t keyboardSteps_ = 0;
};

} // namespace tactrel::test
