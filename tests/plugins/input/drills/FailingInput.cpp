#include "FailingInput.h"

#include <utility>

namespace tactrel::test {
namespace {

using input::DataFormat;
using input::InputDevice;
using input::InputSystem;

class FailingDevice final : public InputDevice {
public:
    FailingDevice(std::unique_ptr<InputDevice> real, DeviceKind kind, FailurePlan plan)
        : real_(std::move(real)), kind_(kind), plan_(plan) {}

    bool setDataFormat(DataFormat format) override {
        return !plan_.fails(Step::Format, kind_) && real_->setDataFormat(format);
    }
    bool acquire() override { return !plan_.fails(Step::Acquire, kind_) && real_->acquire(); }
    void unacquire() override { real_->unacquire(); }
    bool getDeviceState(std::size_t size, void* data) override {
        return !plan_.fails(Step::Read, kind_) && real_->getDeviceState(size, data);
    }

private:
    std::unique_ptr<InputDevice> real_;
    DeviceKind kind_;
    FailurePlan plan_;
};

class FailingSystem final : public InputSystem {
public:
    FailingSystem(std::unique_ptr<InputSystem> real, FailurePlan plan)
        : real_(std::move(real)), plan_(plan) {}

    std::unique_ptr<InputDevice> createDevice(DeviceKind kind) override {
        if (plan_.fails(Step::Device, kind)) {
            return nullptr;
        }
        std::unique_ptr<InputDevice> device = real_->createDevice(kind);
        if (device == nullptr) {
            return nullptr;
        }
        return std::make_unique<FailingDevice>(std::move(device), kind, plan_);
    }

private:
    std::unique_ptr<InputSystem> real_;
    FailurePlan plan_;
};

} // namespace

std::unique_ptr<InputSystem> failingInputSystem(std::unique_ptr<InputSystem> real,
                                                FailurePlan plan) {
    if (real == nullptr) {
        return nullptr;
    }
    return std::make_unique<FailingSystem>(std::move(real), plan);
}

} // namespace tactrel::test
