#include "platform/window/BitmapFont.h"

#include "platform/window/win32/WindowClass.h"

namespace trovane::platform {

bool buildBitmapFont(unsigned listBase, unsigned first, unsigned count, const FontRequest& request,
                     std::string& error) {
    // Windows draws the glyphs of its stock system font; no family is asked for.
    (void)request;
    HDC deviceContext = wglGetCurrentDC();
    if (deviceContext == nullptr) {
        error = "no OpenGL context is current";
        return false;
    }
    SelectObject(deviceContext, GetStockObject(SYSTEM_FONT));
    // Some drivers refuse the first call after the context is made.
    if (!wglUseFontBitmapsA(deviceContext, first, count, listBase) &&
        !wglUseFontBitmapsA(deviceContext, first, count, listBase)) {
        error = "cannot build the font's glyphs: " + win32::lastErrorText();
        return false;
    }
    return true;
}

} // namespace trovane::platform
