#include "app/PluginLoader.h"

namespace trovane {

namespace {
constexpr const char* kCreateInstanceExport = "CreateInstance";
constexpr const char* kDefaultInterface = "Default";
} // namespace

PluginLoader::PluginLoader(const char* fileName) {
    Load(fileName);
}

bool PluginLoader::Load(const char* fileName) {
    Unload();
    failure.clear();
    if (!module.open(fileName)) {
        failure = "cannot load (" + module.error() + ")";
        return false;
    }
    createInstance = module.function<plugin::CreateInstanceFn>(kCreateInstanceExport);
    if (createInstance == nullptr) {
        module.close();
        failure = "does not export CreateInstance";
        return false;
    }
    return true;
}

void* PluginLoader::Create(const char* name) const {
    if (createInstance == nullptr) {
        return nullptr;
    }
    return createInstance(name != nullptr ? name : kDefaultInterface);
}

void PluginLoader::Unload() {
    createInstance = nullptr;
    module.close();
}

} // namespace trovane
