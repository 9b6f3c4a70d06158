#include "sysinfo/linux/Meminfo.h"

#include <charconv>
#include <limits>

namespace trovane {

std::uint64_t kibibyteField(std::string_view text, std::string_view field) {
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) {
            lineEnd = text.size();
        }
        std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        if (line.size() > field.size() && line.substr(0, field.size()) == field &&
            line[field.size()] == ':') {
            std::string_view rest = line.substr(field.size() + 1);
            const std::size_t digits = rest.find_first_not_of(" \t");
            if (digits == std::string_view::npos) {
                return 0;
            }
            std::uint64_t kibibytes = 0;
            std::from_chars(rest.data() + digits, rest.data() + rest.size(), kibibytes);
            constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max() / 1024;
            return kibibytes > kLargest ? std::numeric_limits<std::uint64_t>::max()
                                        : kibibytes * 1024;
        }
        lineStart = lineEnd + 1;
    }
    return 0;
}

Meminfo parseMeminfo(std::string_view text) {
    Meminfo figures;
    figures.total = kibibyteField(text, "MemTotal");
    figures.available = kibibyteField(text, "MemAvailable");
    figures.commitLimit = kibibyteField(text, "CommitLimit");
    figures.committed = kibibyteField(text, "Committed_AS");
    return figures;
}

} // namespace trovane
