#include "ComponentEngine.h"

namespace corvane {

void ComponentEngine::Release() {
    for (plugin::Object* component : components_) {
        if (component != nullptr) {
            component->Release();
        }
    }
    delete this;
}

bool ComponentEngine::store(std::size_t slot, plugin::Object* component) {
    components_[slot] = component;
    return true;
}

} // namespace corvane
