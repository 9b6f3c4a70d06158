// "Mouse": running sums of the system mouse's movement and its buttons.
#pragma once

#include "DeviceLink.h"
#include "InputSystemFactory.h"
#include "sdk/InputDevices.h"

#include <cstdint>

namespace tactrel {

class SystemMouse final : public Mouse {
public:
    explicit SystemMouse(InputSystemFactory factory);
    SystemMouse(const SystemMouse&) = delete;
    SystemMouse& operator=(const SystemMouse&) = delete;

    void Release() override;
    int GetX() override;
    int GetY() override;
    int GetWheel() override;
    bool IsLeftButtonDown() override;
    bool IsRightButtonDown() override;
    void Initialize(int x, int y) override;
    void SetPosition(int x, int y) override;
    bool IsMiddleButtonDown() override;

private:
    ~SystemMouse() = default;

    // One device read: adds the movement to the sums and takes the buttons.
    // When the read fails nothing changes.
    void update();

    InputSystemFactory factory_;
    DeviceLink link_;
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
    std::int32_t wheel_ = 0;
    bool left_ = false;
    bool right_ = false;
    bool middle_ = false;
};

} // namespace tactrel
