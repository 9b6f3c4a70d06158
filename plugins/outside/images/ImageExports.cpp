// Vistrane's contract, as this program relies on it: "Default", "SmartReader"
// and "JPEGReader" make a reader that recognises JPEG from its bytes; the
// other formats are declared but create nothing.
#include "SmartImageReader.h"

#include <new>

namespace {

constexpr plugin::InterfaceTable<9> kTable{"Image",
                                           {"Default", "SmartReader", "JPEGReader", "GIFReader",
                                            "TGAReader", "BMPReader", "PNGReader", "TIFFReader",
                                            "PPMReader"}};
constexpr int kFirstUnreadFormatId = 3;

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
    if (id < 0 || id >= kFirstUnreadFormatId) {
        return nullptr;
    }
    return static_cast<ImageReader*>(new (std::nothrow) vistrane::SmartImageReader());
}

void* CreateInstance(const char* name) {
    const int id = GetInterfaceID(name);
    return id < 0 ? nullptr : CreateInstanceByID(id);
}

} // extern "C"

const char* EnumerateInterfaces(unsigned int index) {
    return kTable.enumerate(index);
}
