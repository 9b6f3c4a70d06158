// The DirectInput 8 headers, with the interface version set before they are read.
#pragma once

#ifndef DIRECTINPUT_VERSION
#define DIRECTINPUT_VERSION 0x0800
#endif

#include <windows.h>

#include <dinput.h>
