// COM on the calling thread for as long as the object lives, for the Windows
// Imaging Component. A thread the host already set up in the other apartment
// model still serves: WIC works in both.
#pragma once

#include <windows.h>

#include <objbase.h>

namespace trovane::platform {

class ComScope {
public:
    ComScope() : result_(::CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) {
            ::CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

    bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }
    HRESULT status() const { return result_; }

private:
    HRESULT result_;
};

} // namespace trovane::platform
