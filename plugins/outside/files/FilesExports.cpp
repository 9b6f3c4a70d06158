// Bastrel's contract, as this program relies on it: "Default", "SmartReader"
// and "FileReader" all read plain files whole; "ZipReader" is declared but
// creates nothing, as archives are not read here.
#include "WholeFileReader.h"
#include "sdk/PluginExports.h"

#include <new>

namespace {

constexpr plugin::InterfaceTable<4> kTable{"IO",
                                           {"Default", "SmartReader", "FileReader", "ZipReader"}};
constexpr int kZipReaderId = 3;

void* createReader(int id) {
    if (id == kZipReaderId) {
        return nullptr;
    }
    return static_cast<FileReader*>(new (std::nothrow) bastrel::WholeFileReader());
}

} // namespace

TROVANE_PLUGIN_EXPORTS(kTable, createReader)
