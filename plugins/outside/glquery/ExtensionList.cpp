#include "ExtensionList.h"

#include <string_view>

namespace aurelix {

bool listsExtension(const char* list, const char* name) {
    if (list == nullptr || name == nullptr) {
        return false;
    }
    const std::string_view wanted(name);
    if (wanted.empty() || wanted.find(' ') != std::string_view::npos) {
        return false;
    }
    std::string_view rest(list);
    while (!rest.empty()) {
        const auto end = rest.find(' ');
        if (rest.substr(0, end) == wanted) {
            return true;
        }
        if (end == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(end + 1);
    }
    return false;
}

} // namespace aurelix
