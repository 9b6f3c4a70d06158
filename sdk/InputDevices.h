// "Mouse" and "Keyboard", created by the input library.
#pragma once

#include "Plugin.h"

// Every query reads the device once; x, y and wheel are running sums since
// Initialize or the last SetPosition. A wheel notch counts 120.
class Mouse : public plugin::Object {
public:
    virtual int GetX() = 0;
    virtual int GetY() = 0;
    virtual int GetWheel() = 0;
    virtual bool IsLeftButtonDown() = 0;
    virtual bool IsRightButtonDown() = 0;
    virtual void Initialize(int x, int y) = 0;
    virtual void SetPosition(int x, int y) = 0;
    virtual bool IsMiddleButtonDown() = 0;

protected:
    ~Mouse() = default;
};

// Keys are DirectInput key codes (203 left, 205 right, 200 up, 208 down), or
// characters when byCharacter is set.
class Keyboard : public plugin::Object {
public:
    virtual bool IsKeyDown(char key, bool byCharacter) = 0;
    virtual void Initialize() = 0;

protected:
    ~Keyboard() = default;
};
