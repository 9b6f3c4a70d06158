// A library that would create objects but keeps another contract version:
// APIVersion answers TEST_API_VERSION, or is missing when that is not defined.
#include "sdk/Plugin.h"

extern "C" {
#ifdef TEST_API_VERSION
int APIVersion() {
    return TEST_API_VERSION;
}
#endif
void* CreateInstance(const char*) {
    return nullptr;
}
}
