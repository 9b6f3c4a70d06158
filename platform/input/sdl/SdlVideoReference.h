// One counted reference on SDL's video and event subsystems.
#pragma once

namespace trovane::platform::input {

class SdlVideoReference {
public:
    SdlVideoReference();
    ~SdlVideoReference();
    SdlVideoReference(const SdlVideoReference&) = delete;
    SdlVideoReference& operator=(const SdlVideoReference&) = delete;

    // False when the subsystems could not be started (no display).
    bool held() const { return held_; }
    // False once someone has shut the video subsystem down beneath us.
    static bool videoRunning();

private:
    bool held_;
};

} // namespace trovane::platform::input
