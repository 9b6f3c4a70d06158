#include "tests/plugins/support/ContractProbe.h"

namespace trovane::test {

ContractProbe::ContractProbe(const char* fileName) {
    if (!library.open(fileName)) {
        return;
    }
    apiVersion = library.function<plugin::ApiVersionFn>("APIVersion");
    componentType = library.function<plugin::ComponentTypeFn>("ComponentType");
    enumerateInterfaces =
        library.function<plugin::EnumerateInterfacesFn>(plugin::kEnumerateInterfacesSymbol);
    getInterfaceId = library.function<plugin::GetInterfaceIdFn>("GetInterfaceID");
    createInstanceById = library.function<plugin::CreateInstanceByIdFn>("CreateInstanceByID");
    createInstance = library.function<plugin::CreateInstanceFn>("CreateInstance");
}

bool ContractProbe::complete() const {
    return library.isOpen() && apiVersion && componentType && enumerateInterfaces &&
           getInterfaceId && createInstanceById && createInstance;
}

} // namespace trovane::test
