// A library that needs a function nobody provides: loading must fail at once.
#include "sdk/Plugin.h"

extern "C" void trovaneFunctionNobodyProvides();

extern "C" int APIVersion() {
    trovaneFunctionNobodyProvides();
    return 1;
}
