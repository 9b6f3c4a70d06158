// Aurelix's contract: "Query" gives the one extension query of the library.
#include "ContextTextureQuery.h"

namespace {

constexpr plugin::InterfaceTable<1> kTable{"Graphics", {"Query"}};

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
    if (id != 0) {
        return nullptr;
    }
    TextureQuery* query = &aurelix::ContextTextureQuery::instance();
    return query;
}

void* CreateInstance(const char* name) {
    const int id = GetInterfaceID(name);
    return id < 0 ? nullptr : CreateInstanceByID(id);
}

} // extern "C"

const char* EnumerateInterfaces(unsigned int index) {
    return kTable.enumerate(index);
}
