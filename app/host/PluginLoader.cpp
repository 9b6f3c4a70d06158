#include "app/host/PluginLoader.h"

#include <string>

namespace trovane {

namespace {
constexpr const char* kApiVersionExport = "APIVersion";
constexpr const char* kCreateInstanceExport = "CreateInstance";
constexpr const char* kDefaultInterface = "Default";

// Empty when the library keeps this program's contract, otherwise why not.
std::string contractMismatch(const platform::DynamicLibrary& module) {
    auto apiVersion = module.function<plugin::ApiVersionFn>(kApiVersionExport);
    if (apiVersion == nullptr) {
        return "does not export APIVersion";
    }
    const int version = apiVersion();
    if (version != plugin::kApiVersion) {
        return "built for plug-in API " + std::to_string(version) + ", this program needs " +
               std::to_string(plugin::kApiVersion);
    }
    return {};
}
} // namespace

PluginLoader::PluginLoader(const char* fileName) {
    Load(fileName);
}

bool PluginLoader::Load(const char* fileName) {
    Unload();
    failure_.clear();
    if (!module_.open(fileName)) {
        failure_ = "cannot load (" + module_.error() + ")";
        return false;
    }
    // A library of another contract version would be called blindly.
    failure_ = contractMismatch(module_);
    if (failure_.empty()) {
        createInstance_ = module_.function<plugin::CreateInstanceFn>(kCreateInstanceExport);
        if (createInstance_ == nullptr) {
            failure_ = "does not export CreateInstance";
        }
    }
    if (!failure_.empty()) {
        module_.close();
        return false;
    }
    return true;
}

void* PluginLoader::Create(const char* name) const {
    if (createInstance_ == nullptr) {
        return nullptr;
    }
    return createInstance_(name != nullptr ? name : kDefaultInterface);
}

void PluginLoader::Unload() {
    createInstance_ = nullptr;
    module_.close();
}

} // namespace trovane
