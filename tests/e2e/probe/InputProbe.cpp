// A window that reads the input library's "Mouse" and "Keyboard" in every
// frame, as the program does, and prints one line for each change it sees,
// so that tests can tell what reaches the library.
//   e2e_input_probe [library]      (default Tactrel.dll, beside the probe)
#include "app/GLWindow.h"
#include "app/host/PluginLoader.h"
#include "sdk/InputDevices.h"
#include "sdk/OwnedObject.h"

#include <GL/gl.h>

#include <array>
#include <cstdio>

namespace {

struct WatchedKey {
    char code;
    bool byCharacter;
    const char* name;
};

// Arrow keys by their key codes, letters by character.
constexpr std::array<WatchedKey, 8> kKeys = {{
    {static_cast<char>(203), false, "left"},
    {static_cast<char>(205), false, "right"},
    {static_cast<char>(200), false, "up"},
    {static_cast<char>(208), false, "down"},
    {'w', true, "w"},
    {'s', true, "s"},
    {'d', true, "d"},
    {'z', true, "z"},
}};

class ProbeWindow : public trovane::GLWindow {
public:
    void attach(Mouse* mouse, Keyboard* keyboard) {
        mouse_ = mouse;
        keyboard_ = keyboard;
    }

    void RenderFrame() override {
        glClear(GL_COLOR_BUFFER_BIT);
        if (mouse_ != nullptr && keyboard_ != nullptr) {
            readKeys();
            readMouse();
        }
    }

private:
    void report(const char* what, const char* name, int value) {
        std::printf("%s %s %d\n", what, name, value);
    }

    void readKeys() {
        for (std::size_t i = 0; i < kKeys.size(); ++i) {
            bool down = keyboard_->IsKeyDown(kKeys[i].code, kKeys[i].byCharacter);
            if (down != keys_[i]) {
                keys_[i] = down;
                report("key", kKeys[i].name, down ? 1 : 0);
            }
        }
    }

    void watch(const char* name, int value, int& last) {
        if (value != last) {
            last = value;
            report("mouse", name, value);
        }
    }

    void readMouse() {
        watch("x", mouse_->GetX(), x_);
        watch("y", mouse_->GetY(), y_);
        watch("wheel", mouse_->GetWheel(), wheel_);
        watch("left", mouse_->IsLeftButtonDown() ? 1 : 0, left_);
        watch("right", mouse_->IsRightButtonDown() ? 1 : 0, right_);
        watch("middle", mouse_->IsMiddleButtonDown() ? 1 : 0, middle_);
    }

    Mouse* mouse_ = nullptr;
    Keyboard* keyboard_ = nullptr;
    std::array<bool, kKeys.size()> keys_{};
    int x_ = 0;
    int y_ = 0;
    int wheel_ = 0;
    int left_ = 0;
    int right_ = 0;
    int middle_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const char* library = argc > 1 ? argv[1] : "Tactrel.dll";
    // Declared so that the devices end first, then the window, then the library.
    trovane::PluginLoader loader;
    ProbeWindow probe;
    // The devices read their state through the window system.
    if (!probe.openDisplay()) {
        return 1;
    }
    if (!loader.Load(library)) {
        std::fprintf(stderr, "%s: %s\n", library, loader.error().c_str());
        return 1;
    }
    plugin::Owned<Mouse> mouse(static_cast<Mouse*>(loader.Create("Mouse")));
    plugin::Owned<Keyboard> keyboard(static_cast<Keyboard*>(loader.Create("Keyboard")));
    if (!mouse || !keyboard) {
        std::fprintf(stderr, "%s: no Mouse or Keyboard\n", library);
        return 1;
    }
    mouse->Initialize(0, 0);
    keyboard->Initialize();
    probe.attach(mouse.get(), keyboard.get());
    if (!probe.Init("Input probe", false, 320, 240)) {
        return 1;
    }
    std::puts("ready");
    return probe.RunMessageLoop();
}
