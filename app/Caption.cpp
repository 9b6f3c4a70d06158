#include "app/Caption.h"

#include <cstdio>
#include <cstring>

namespace trovane {
namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The longest prefix of title of at most limit bytes that ends before a
// character, never inside a multi-byte UTF-8 sequence.
std::size_t prefixLength(const char* title, std::size_t limit) {
    std::size_t length = std::strlen(title);
    if (length <= limit) {
        return length;
    }
    std::size_t cut = limit;
    while (cut > 0 && isContinuationByte(title[cut])) {
        --cut;
    }
    return cut;
}

} // namespace

void formatCaption(char* buffer, std::size_t capacity, const char* title, double framesPerSecond) {
    if (capacity == 0) {
        return;
    }
    char suffix[48];
    int suffixLength = std::snprintf(suffix, sizeof suffix, " (%.0f fps)", framesPerSecond);
    if (suffixLength < 0 || static_cast<std::size_t>(suffixLength) >= capacity) {
        buffer[0] = '\0';
        return;
    }
    std::size_t room = capacity - 1 - static_cast<std::size_t>(suffixLength);
    std::size_t titleLength = prefixLength(title != nullptr ? title : "", room);
    std::snprintf(buffer, capacity, "%.*s%s", static_cast<int>(titleLength),
                  title != nullptr ? title : "", suffix);
}

} // namespace trovane
