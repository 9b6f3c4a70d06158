#include "ContextTextureQuery.h"

#include "ExtensionList.h"

#include <GL/gl.h>

namespace aurelix {

ContextTextureQuery& ContextTextureQuery::instance() {
    static ContextTextureQuery query;
    return query;
}

bool ContextTextureQuery::IsSupported(const char* extension) {
    const auto* list = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return listsExtension(list, extension);
}

} // namespace aurelix
