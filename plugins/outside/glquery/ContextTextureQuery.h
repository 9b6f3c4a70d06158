// "Query": answers from the extension list of the current GL context.
#pragma once

#include "sdk/OutsideLibraries.h"

namespace aurelix {

class ContextTextureQuery final : public TextureQuery {
public:
    // The program never releases this object, so there is one for the whole
    // library, made once and never freed.
    static ContextTextureQuery& instance();

    // False with no current context, or when the context gives no list.
    bool IsSupported(const char* extension) override;

private:
    ContextTextureQuery() = default;
};

} // namespace aurelix
