#include "tests/support/ScopedEnvironment.h"

#include <cstdlib>

namespace trovane::test {
namespace {

void setVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name.c_str(), value.c_str());
#else
    setenv(name.c_str(), value.c_str(), 1);
#endif
}

void unsetVariable(const std::string& name) {
#ifdef _WIN32
    // An empty value removes the variable there.
    _putenv_s(name.c_str(), "");
#else
    unsetenv(name.c_str());
#endif
}

} // namespace

ScopedEnvironment::~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (it->second) {
            setVariable(it->first, *it->second);
        } else {
            unsetVariable(it->first);
        }
    }
}

void ScopedEnvironment::remember(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
}

void ScopedEnvironment::set(const std::string& name, const std::string& value) {
    remember(name);
    setVariable(name, value);
}

void ScopedEnvironment::unset(const std::string& name) {
    remember(name);
    unsetVariable(name);
}

} // namespace trovane::test
