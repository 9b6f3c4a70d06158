// Whether an OpenGL extension list names an extension.
#pragma once

namespace aurelix {

// True when name is one whole, space-separated entry of list: a prefix of a
// longer entry does not count. False for a null list, or a name that is
// null, empty or holds a space.
bool listsExtension(const char* list, const char* name);

} // namespace aurelix
