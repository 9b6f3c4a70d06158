// Bastrel's contract, as this program relies on it: "Default", "SmartReader"
// and "FileReader" all read plain files whole; "ZipReader" is declared but
// creates nothing, as archives are not read here.
#include "WholeFileReader.h"

#include <new>

namespace {
constexpr plugin::InterfaceTable<4> kTable{"IO",
                                           {"Default", "SmartReader", "FileReader", "ZipReader"}};
constexpr int kZipReaderId = 3;
} // namespace

extern "C" {

int APIVersion() {
    return plugin::kApiVersion;
}

const char* ComponentType() {
    return kTable.componentType;
}

int GetInterfaceID(const char* name) {
    return kTable.find(name);
}

void* CreateInstanceByID(int id) {
    if (id < 0 || id >= kZipReaderId) {
        return nullptr;
    }
    return static_cast<FileReader*>(new (std::nothrow) bastrel::WholeFileReader());
}

void* CreateInstance(const char* name) {
    const int id = GetInterfaceID(name);
    return id < 0 ? nullptr : CreateInstanceByID(id);
}

} // extern "C"

const char* EnumerateInterfaces(unsigned int index) {
    return kTable.enumerate(index);
}
