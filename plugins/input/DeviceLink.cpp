#include "DeviceLink.h"

#include "SetupMessage.h"

namespace tactrel {
namespace {

using input::DataFormat;
using input::DeviceKind;

DataFormat formatFor(DeviceKind kind) {
    return kind == DeviceKind::SystemMouse ? DataFormat::Mouse : DataFormat::Keyboard;
}

} // namespace

bool DeviceLink::open(const InputSystemFactory& factory, DeviceKind kind,
                      const SetupMessages& messages) {
    close();
    system_ = factory(input::getModuleHandle());
    if (!system_) {
        printSetupMessage(kInputSystemMissing);
        return false;
    }
    device_ = system_->createDevice(kind);
    if (!device_) {
        printSetupMessage(messages.deviceMissing);
        return false;
    }
    if (!device_->setDataFormat(formatFor(kind))) {
        printSetupMessage(messages.formatRefused);
        return false;
    }
    if (!device_->acquire()) {
        printSetupMessage(messages.notAcquired);
        return false;
    }
    return true;
}

void DeviceLink::close() {
    if (device_) {
        device_->unacquire();
    }
    device_.reset();
    system_.reset();
}

bool DeviceLink::read(std::size_t size, void* data) {
    if (!device_) {
        return false;
    }
    if (device_->getDeviceState(size, data)) {
        return true;
    }
    return device_->acquire() && device_->getDeviceState(size, data);
}

} // namespace tactrel
