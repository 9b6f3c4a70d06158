#include "platform/input/sdl/SdlDevice.h"

#include <utility>

namespace trovane::platform::input {
namespace {

DataFormat formatOf(DeviceKind kind) {
    return kind == DeviceKind::SystemMouse ? DataFormat::Mouse : DataFormat::Keyboard;
}

} // namespace

SdlDevice::SdlDevice(DeviceKind kind, std::shared_ptr<SdlVideoReference> video)
    : kind_(kind), video_(std::move(video)) {}

SdlDevice::~SdlDevice() = default;

bool SdlDevice::setDataFormat(DataFormat format) {
    if (acquired_ || format != formatOf(kind_)) {
        return false;
    }
    formatSet_ = true;
    return true;
}

bool SdlDevice::acquire() {
    if (acquired_) {
        return true;
    }
    if (!formatSet_ || !SdlVideoReference::videoRunning()) {
        return false;
    }
    acquired_ = true;
    onAcquire();
    return true;
}

void SdlDevice::unacquire() {
    if (acquired_) {
        acquired_ = false;
        onUnacquire();
    }
}

bool SdlDevice::getDeviceState(std::size_t size, void* data) {
    if (!acquired_ || data == nullptr || size != stateSize()) {
        return false;
    }
    // Input stops when the video subsystem is shut down beneath the device;
    // it must be acquired again.
    if (!SdlVideoReference::videoRunning()) {
        unacquire();
        return false;
    }
    readState(data);
    return true;
}

void SdlDevice::unacquireBeforeDestruction() {
    unacquire();
}

} // namespace trovane::platform::input
