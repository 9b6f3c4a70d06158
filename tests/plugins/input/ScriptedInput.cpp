#include "ScriptedInput.h"

#include <cstring>

namespace tactrel::test {
namespace {

using input::DataFormat;
using input::DeviceKind;

class ScriptedDevice final : public input::InputDevice {
public:
    explicit ScriptedDevice(std::shared_ptr<InputScript> script) : script_(std::move(script)) {}
    ~ScriptedDevice() override { note("release device"); }

    bool setDataFormat(DataFormat) override {
        formatSet_ = step("format", !script_->formatFails);
        return formatSet_;
    }

    // Like the real devices, none is acquired without a data format.
    bool acquire() override {
        acquired_ = step("acquire", formatSet_ && !script_->acquireFails);
        return acquired_;
    }

    void unacquire() override {
        note("unacquire");
        acquired_ = false;
    }

    bool getDeviceState(std::size_t size, void* data) override {
        bool ok = acquired_;
        if (script_->readFailures > 0) {
            --script_->readFailures;
            ok = false;
        }
        if (!step("read", ok)) {
            return false;
        }
        std::vector<std::uint8_t> state(size, 0);
        if (!script_->states.empty()) {
            state = std::move(script_->states.front());
            script_->states.pop_front();
        }
        if (state.size() != size) {
            return step("read of the wrong size", false);
        }
        std::memcpy(data, state.data(), size);
        return true;
    }

private:
    void note(const std::string& call) { script_->calls.push_back(call); }
    bool step(const std::string& call, bool ok) {
        note(ok ? call : call + " failed");
        return ok;
    }

    std::shared_ptr<InputScript> script_;
    bool formatSet_ = false;
    bool acquired_ = false;
};

class ScriptedSystem final : public input::InputSystem {
public:
    explicit ScriptedSystem(std::shared_ptr<InputScript> script) : script_(std::move(script)) {}
    ~ScriptedSystem() override { script_->calls.push_back("release system"); }

    std::unique_ptr<input::InputDevice> createDevice(DeviceKind) override {
        if (script_->deviceFails) {
            script_->calls.push_back("device failed");
            return nullptr;
        }
        script_->calls.push_back("device");
        return std::make_unique<ScriptedDevice>(script_);
    }

private:
    std::shared_ptr<InputScript> script_;
};

} // namespace

void InputScript::queueMouse(std::int32_t dx, std::int32_t dy, std::int32_t dz, bool left,
                             bool right, bool middle) {
    input::MouseState state{dx, dy, dz, {}};
    state.buttons[0] = left ? input::kDownBit : 0;
    state.buttons[1] = right ? input::kDownBit : 0;
    state.buttons[2] = middle ? input::kDownBit : 0;
    std::vector<std::uint8_t> bytes(sizeof state);
    std::memcpy(bytes.data(), &state, sizeof state);
    states.push_back(std::move(bytes));
}

void InputScript::queueKeys(std::initializer_list<std::uint8_t> down) {
    std::vector<std::uint8_t> table(input::kKeyboardStateSize, 0);
    for (std::uint8_t code : down) {
        table[code] = input::kDownBit;
    }
    states.push_back(std::move(table));
}

InputSystemFactory scriptedFactory(std::shared_ptr<InputScript> script) {
    return [script](input::ModuleHandle module) -> std::unique_ptr<input::InputSystem> {
        script->module = module;
        if (script->createFails) {
            script->calls.push_back("create failed");
            return nullptr;
        }
        script->calls.push_back("create");
        return std::make_unique<ScriptedSystem>(script);
    };
}

} // namespace tactrel::test
