// A library that offers every export but CreateInstance. Kept free of C++
// library code so that unloading it really removes it from the process.
#include "sdk/Plugin.h"

extern "C" {
int APIVersion() {
    return 1;
}
const char* ComponentType() {
    return "Test";
}
int GetInterfaceID(const char*) {
    return -1;
}
void* CreateInstanceByID(int) {
    return nullptr;
}
}
