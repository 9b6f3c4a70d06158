// Vistrane's contract, as this program relies on it: "Default", "SmartReader"
// and "JPEGReader" make a reader that recognises JPEG from its bytes; the
// other formats are declared but create nothing.
#include "SmartImageReader.h"
#include "sdk/PluginExports.h"

#include <new>

namespace {

constexpr plugin::InterfaceTable<9> kTable{"Image",
                                           {"Default", "SmartReader", "JPEGReader", "GIFReader",
                                            "TGAReader", "BMPReader", "PNGReader", "TIFFReader",
                                            "PPMReader"}};
constexpr int kFirstUnreadFormatId = 3;

void* createReader(int id) {
    if (id >= kFirstUnreadFormatId) {
        return nullptr;
    }
    return static_cast<ImageReader*>(new (std::nothrow) vistrane::SmartImageReader());
}

} // namespace

TROVANE_PLUGIN_EXPORTS(kTable, createReader)
