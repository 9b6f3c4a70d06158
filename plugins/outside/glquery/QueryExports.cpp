// Aurelix's contract: "Query" gives the one extension query of the library.
#include "ContextTextureQuery.h"
#include "sdk/PluginExports.h"

namespace {

constexpr plugin::InterfaceTable<1> kTable{"Graphics", {"Query"}};

void* createQuery(int /*id*/) {
    TextureQuery* query = &aurelix::ContextTextureQuery::instance();
    return query;
}

} // namespace

TROVANE_PLUGIN_EXPORTS(kTable, createQuery)
